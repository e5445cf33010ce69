#include "pictures/picture_printing.h"

#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <cmath>

namespace {
constexpr double kScreenDotsPerInch = 96.0;
constexpr double kScales[8] = {2.0, 1.75, 1.5, 1.25, 1.0, 0.75, 0.5, 0.25};
} // namespace

double printScale(int Index)
{
    return Index >= 0 && Index < 8 ? kScales[Index] : 0.0;
}

QSizeF printedInches(QSize pixels, int Index)
{
    const double scale = printScale(Index);
    return QSizeF(pixels.width() * scale / kScreenDotsPerInch, pixels.height() * scale / kScreenDotsPerInch);
}

QRect printPicture(QPrinter& printer, const QPixmap& picture, int Index)
{
    const QSizeF inches = printedInches(picture.size(), Index);
    if (picture.isNull() || inches.isEmpty())
        return QRect();
    QPainter painter;
    if (!painter.begin(&printer))
        return QRect();
    const int dpi = printer.resolution();
    const QRect target(0, 0, static_cast<int>(std::lround(inches.width() * dpi)),
                       static_cast<int>(std::lround(inches.height() * dpi)));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, printScale(Index) != 1.0);
    painter.drawPixmap(target, picture);
    painter.end();
    return target;
}
