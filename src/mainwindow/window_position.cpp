#include "mainwindow/window_position.h"

#include "platform/screen.h"
#include "platform/settings_store.h"
#include "platform/twips.h"
#include "platform/number_formats.h"

#include <QRect>
#include <QWidget>
#include <cmath>
#include <optional>

namespace {

// Window systems keep window positions as 16-bit pixel coordinates.
constexpr double kLargestTwips = 32767.0 * kTwipsPerPixel;

std::optional<int> storedTwips(const QString& text)
{
    const double value = leadingNumber(text);
    if (!std::isfinite(value) || std::fabs(value) > kLargestTwips)
        return std::nullopt;
    return static_cast<int>(value);
}

// Left and top in one write of the store.
void savePlace(const QString& section, QPoint twips)
{
    SaveSettings({{section, QStringLiteral("Left"), QString::number(twips.x())},
                  {section, QStringLiteral("Top"), QString::number(twips.y())}});
}

} // namespace

WindowPlace placeFromStore(const QString& top, const QString& left, QSize windowTwips, QSize screenTwips)
{
    const QLatin1String blank("Blank");
    if (top != blank && left != blank) {
        const std::optional<int> t = storedTwips(top);
        const std::optional<int> l = storedTwips(left);
        if (t && l && *l + windowTwips.width() <= screenTwips.width()
            && *t + windowTwips.height() <= screenTwips.height())
            return {QPoint(*l, *t), false};
    }
    return {QPoint(screenTwips.width() - windowTwips.width(), 0), true};
}

void restoreWindowPosition(QWidget& window, const QString& section)
{
    const QRect screen = screenArea();
    const WindowPlace place = placeFromStore(
        GetSetting(section, QStringLiteral("Top"), QStringLiteral("Blank")),
        GetSetting(section, QStringLiteral("Left"), QStringLiteral("Blank")),
        QSize(pixelsToTwips(window.width()), pixelsToTwips(window.height())),
        QSize(pixelsToTwips(screen.width()), pixelsToTwips(screen.height())));
    window.move(twipsToPixels(place.twips.x()), twipsToPixels(place.twips.y()));
    if (place.corrected)
        savePlace(section, place.twips);
}

void storeWindowPosition(const QWidget& window, const QString& section)
{
    savePlace(section, QPoint(pixelsToTwips(window.x()), pixelsToTwips(window.y())));
}
