#pragma once
#include <QColor>
#include <QtGlobal>

class QWidget;

// Colours are kept as 32-bit values 0x00BBGGRR, or as a system colour: the
// high bit set and the low byte the system colour's index (0x80000012 the
// button-text colour, 0x8000000F the button-face colour).
using ColorValue = quint32;

constexpr ColorValue kButtonTextColor = 0x80000012u;
constexpr ColorValue kButtonFaceColor = 0x8000000Fu;
constexpr ColorValue kRed = 0x000000FFu;
constexpr ColorValue kDarkRed = 0x00000080u;
constexpr ColorValue kGreen = 0x0000FF00u;
constexpr ColorValue kBlue = 0x00FF0000u;
constexpr ColorValue kPaleCyan = 0x00FFFFC0u;

QColor toQColor(ColorValue color);
ColorValue fromQColor(const QColor& color);

// The colour read back as the signed 32-bit number the settings file holds
// (0x80000012 is -2147483630), and the other way round.
qint32 colorAsSigned(ColorValue color);
ColorValue colorFromNumber(double number);

// Text and background colour of a label-like widget, remembered on the widget
// so that they can be read back exactly as they were set.
void setForeColor(QWidget* widget, ColorValue color);
void setBackColor(QWidget* widget, ColorValue color);
ColorValue foreColor(const QWidget* widget);
ColorValue backColor(const QWidget* widget);
