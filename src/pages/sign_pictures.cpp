#include "pages/sign_pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Symbols are drawn in a 100 by 100 box.
using Draw = void (*)(QPainterPath&);

void aquarius(QPainterPath& p)
{
    for (int y : {34, 58}) {
        p.moveTo(14, y + 8);
        for (int i = 1; i <= 6; ++i)
            p.lineTo(14 + i * 12, i % 2 ? y - 4 : y + 8);
    }
}

void aries(QPainterPath& p)
{
    p.moveTo(50, 84);
    p.lineTo(50, 42);
    p.cubicTo(50, 16, 22, 12, 20, 30);
    p.cubicTo(19, 39, 27, 45, 34, 40);
    p.moveTo(50, 42);
    p.cubicTo(50, 16, 78, 12, 80, 30);
    p.cubicTo(81, 39, 73, 45, 66, 40);
}

void cancer(QPainterPath& p)
{
    p.addEllipse(QPointF(30, 40), 9, 9);
    p.moveTo(30, 31);
    p.cubicTo(46, 20, 70, 22, 82, 34);
    p.addEllipse(QPointF(70, 62), 9, 9);
    p.moveTo(70, 71);
    p.cubicTo(54, 82, 30, 80, 18, 68);
}

void capricorn(QPainterPath& p)
{
    p.moveTo(14, 26);
    p.lineTo(30, 72);
    p.lineTo(42, 34);
    p.cubicTo(46, 20, 56, 22, 56, 38);
    p.lineTo(56, 70);
    p.cubicTo(56, 80, 62, 84, 70, 82);
    p.cubicTo(84, 78, 84, 58, 70, 58);
    p.cubicTo(58, 58, 56, 76, 44, 88);
}

void gemini(QPainterPath& p)
{
    p.moveTo(22, 20);
    p.quadTo(50, 32, 78, 20);
    p.moveTo(22, 80);
    p.quadTo(50, 68, 78, 80);
    p.moveTo(38, 26);
    p.lineTo(38, 74);
    p.moveTo(62, 26);
    p.lineTo(62, 74);
}

void leo(QPainterPath& p)
{
    p.addEllipse(QPointF(30, 62), 11, 11);
    p.moveTo(38, 54);
    p.cubicTo(30, 32, 44, 14, 60, 20);
    p.cubicTo(76, 26, 68, 48, 64, 58);
    p.cubicTo(58, 74, 68, 86, 82, 78);
}

void libra(QPainterPath& p)
{
    p.moveTo(16, 78);
    p.lineTo(84, 78);
    p.moveTo(16, 62);
    p.lineTo(34, 62);
    p.cubicTo(24, 50, 30, 28, 50, 28);
    p.cubicTo(70, 28, 76, 50, 66, 62);
    p.lineTo(84, 62);
}

void pisces(QPainterPath& p)
{
    p.moveTo(22, 16);
    p.cubicTo(44, 36, 44, 64, 22, 84);
    p.moveTo(78, 16);
    p.cubicTo(56, 36, 56, 64, 78, 84);
    p.moveTo(28, 50);
    p.lineTo(72, 50);
}

void sagittarius(QPainterPath& p)
{
    p.moveTo(20, 82);
    p.lineTo(80, 22);
    p.moveTo(52, 22);
    p.lineTo(80, 22);
    p.lineTo(80, 50);
    p.moveTo(34, 44);
    p.lineTo(58, 68);
}

// The three arches that Scorpio and Virgo share.
void arches(QPainterPath& p)
{
    p.moveTo(12, 30);
    p.cubicTo(18, 24, 24, 28, 24, 38);
    p.lineTo(24, 76);
    p.moveTo(24, 40);
    p.cubicTo(24, 24, 42, 24, 42, 40);
    p.lineTo(42, 76);
    p.moveTo(42, 40);
    p.cubicTo(42, 24, 60, 24, 60, 40);
}

void scorpio(QPainterPath& p)
{
    arches(p);
    p.lineTo(60, 70);
    p.cubicTo(60, 80, 66, 82, 82, 82);
    p.moveTo(74, 74);
    p.lineTo(84, 82);
    p.lineTo(74, 90);
}

void taurus(QPainterPath& p)
{
    p.addEllipse(QPointF(50, 64), 18, 18);
    p.moveTo(18, 18);
    p.cubicTo(22, 40, 38, 46, 50, 46);
    p.cubicTo(62, 46, 78, 40, 82, 18);
}

void virgo(QPainterPath& p)
{
    arches(p);
    p.lineTo(60, 80);
    p.moveTo(60, 56);
    p.cubicTo(74, 40, 90, 54, 76, 68);
    p.cubicTo(70, 74, 64, 80, 56, 90);
}

struct Symbol {
    Draw draw;
    QColor disc;
};

const QColor kFire(200, 60, 40), kEarth(70, 120, 60), kAir(210, 160, 40), kWater(40, 90, 170);

// Alphabetical order of the sign names.
const Symbol kSymbols[12] = {
    {aquarius, kAir}, {aries, kFire}, {cancer, kWater}, {capricorn, kEarth},
    {gemini, kAir}, {leo, kFire}, {libra, kAir}, {pisces, kWater},
    {sagittarius, kFire}, {scorpio, kWater}, {taurus, kEarth}, {virgo, kEarth},
};

} // namespace

QPixmap signPicture(int picture, int size)
{
    if (picture < 1 || picture > 12 || size <= 0)
        return QPixmap();
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter paint(&pixmap);
    paint.setRenderHint(QPainter::Antialiasing);
    paint.scale(size / 100.0, size / 100.0);
    const Symbol& symbol = kSymbols[picture - 1];
    paint.setPen(QPen(symbol.disc.darker(140), 3));
    paint.setBrush(symbol.disc);
    paint.drawEllipse(QRectF(3, 3, 94, 94));
    QPainterPath path;
    symbol.draw(path);
    // The symbol keeps clear of the disc's rim.
    paint.translate(50, 50);
    paint.scale(0.78, 0.78);
    paint.translate(-50, -50);
    paint.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    paint.setBrush(Qt::NoBrush);
    paint.drawPath(path);
    return pixmap;
}
