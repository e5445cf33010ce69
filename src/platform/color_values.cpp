#include "platform/color_values.h"

#include <QApplication>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace {

constexpr const char* kForeProperty = "corvaneForeColor";
constexpr const char* kBackProperty = "corvaneBackColor";

QColor systemColor(int index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5: return palette.color(QPalette::Base);            // window background
    case 8: return palette.color(QPalette::Text);            // window text
    case 13: return palette.color(QPalette::Highlight);
    case 14: return palette.color(QPalette::HighlightedText);
    case 15: return palette.color(QPalette::Button);         // button face
    case 18: return palette.color(QPalette::ButtonText);     // button text
    case 20: return palette.color(QPalette::Light);
    case 16: return palette.color(QPalette::Dark);
    default: return palette.color(QPalette::Window);
    }
}

} // namespace

QColor toQColor(ColorValue color)
{
    if (color & 0x80000000u)
        return systemColor(static_cast<int>(color & 0xFFu));
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

ColorValue fromQColor(const QColor& color)
{
    return static_cast<ColorValue>(color.red()) | (static_cast<ColorValue>(color.green()) << 8)
        | (static_cast<ColorValue>(color.blue()) << 16);
}

qint32 colorAsSigned(ColorValue color)
{
    return static_cast<qint32>(color);
}

ColorValue colorFromNumber(double number)
{
    return static_cast<ColorValue>(static_cast<qint64>(number));
}

void setForeColor(QWidget* widget, ColorValue color)
{
    widget->setProperty(kForeProperty, QVariant::fromValue<quint32>(color));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, toQColor(color));
    palette.setColor(QPalette::Text, toQColor(color));
    widget->setPalette(palette);
}

void setBackColor(QWidget* widget, ColorValue color)
{
    widget->setProperty(kBackProperty, QVariant::fromValue<quint32>(color));
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, toQColor(color));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

ColorValue foreColor(const QWidget* widget)
{
    const QVariant value = widget->property(kForeProperty);
    return value.isValid() ? value.value<quint32>() : fromQColor(widget->palette().color(QPalette::WindowText));
}

ColorValue backColor(const QWidget* widget)
{
    const QVariant value = widget->property(kBackProperty);
    return value.isValid() ? value.value<quint32>() : fromQColor(widget->palette().color(QPalette::Window));
}
