#pragma once
#include <QColor>
#include <QtGlobal>

class QWidget;

// Colours are kept as 32-bit values 0x00BBGGRR, or as a system colour: the
// high bit set and the low byte the system colour's index (0x80000012 the
// button-text colour, 0x8000000F the button-face colour).
using VbColor = quint32;

constexpr VbColor kButtonTextColor = 0x80000012u;
constexpr VbColor kButtonFaceColor = 0x8000000Fu;
constexpr VbColor kRed = 0x000000FFu;
constexpr VbColor kDarkRed = 0x00000080u;
constexpr VbColor kGreen = 0x0000FF00u;
constexpr VbColor kBlue = 0x00FF0000u;
constexpr VbColor kPaleCyan = 0x00FFFFC0u;

QColor toQColor(VbColor color);
VbColor fromQColor(const QColor& color);

// The colour read back as the signed 32-bit number the settings file holds
// (0x80000012 is -2147483630), and the other way round.
qint32 colorAsSigned(VbColor color);
VbColor colorFromNumber(double number);

// Text and background colour of a label-like widget, remembered on the widget
// so that they can be read back exactly as they were set.
void setForeColor(QWidget* widget, VbColor color);
void setBackColor(QWidget* widget, VbColor color);
VbColor foreColor(const QWidget* widget);
VbColor backColor(const QWidget* widget);
