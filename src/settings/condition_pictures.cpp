#include "settings/condition_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// Every picture is drawn on a 100 x 100 canvas scaled to the requested size.
constexpr qreal kCanvas = 100.0;

enum class Sky { Day, Night };

struct Canvas {
    QPixmap pixmap;
    QPainter painter;
    explicit Canvas(int size) : pixmap(size, size)
    {
        pixmap.fill(Qt::transparent);
        painter.begin(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / kCanvas, size / kCanvas);
    }
    QPixmap done()
    {
        painter.end();
        return pixmap;
    }
};

void drawSun(QPainter& p, QPointF centre, qreal radius)
{
    p.save();
    p.setPen(QPen(QColor(0xF2, 0x9B, 0x0C), radius * 0.22, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 8; ++i) {
        const qreal angle = i * M_PI / 4;
        const QPointF dir(qCos(angle), qSin(angle));
        p.drawLine(centre + dir * radius * 1.3, centre + dir * radius * 1.75);
    }
    QRadialGradient glow(centre, radius);
    glow.setColorAt(0, QColor(0xFF, 0xE8, 0x4A));
    glow.setColorAt(1, QColor(0xFF, 0xB8, 0x1C));
    p.setPen(QPen(QColor(0xE0, 0x8A, 0x00), radius * 0.08));
    p.setBrush(glow);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void drawMoon(QPainter& p, QPointF centre, qreal radius)
{
    p.save();
    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    QPainterPath bite;
    bite.addEllipse(centre + QPointF(radius * 0.55, -radius * 0.35), radius * 0.9, radius * 0.9);
    p.setPen(QPen(QColor(0x8E, 0x93, 0xA8), radius * 0.08));
    p.setBrush(QColor(0xE9, 0xEC, 0xF7));
    p.drawPath(disc.subtracted(bite));
    p.restore();
}

void drawCloud(QPainter& p, QRectF box, QColor fill, QColor edge)
{
    p.save();
    const qreal w = box.width(), h = box.height();
    QPainterPath base, left, right;
    base.addRoundedRect(QRectF(box.left(), box.top() + h * 0.45, w, h * 0.55), h * 0.27, h * 0.27);
    left.addEllipse(QRectF(box.left() + w * 0.12, box.top() + h * 0.22, w * 0.42, h * 0.62));
    right.addEllipse(QRectF(box.left() + w * 0.38, box.top(), w * 0.48, h * 0.8));
    p.setPen(QPen(edge, 5.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(fill);
    p.drawPath(base.united(left).united(right));
    p.restore();
}

void drawDrops(QPainter& p, int count, qreal top, qreal length, QColor colour)
{
    p.save();
    p.setPen(QPen(colour, 7.5, Qt::SolidLine, Qt::RoundCap));
    const qreal step = 60.0 / count;
    for (int i = 0; i < count; ++i) {
        const qreal x = 28 + i * step + (i % 2) * 3;
        const qreal y = top + (i % 2) * 6;
        p.drawLine(QPointF(x, y), QPointF(x - length * 0.3, y + length));
    }
    p.restore();
}

void drawDots(QPainter& p, int count, qreal top, QColor colour)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal step = 60.0 / count;
    for (int i = 0; i < count; ++i)
        p.drawEllipse(QPointF(26 + i * step, top + (i % 2) * 9), 5.0, 5.0);
    p.restore();
}

void drawFlake(QPainter& p, QPointF centre, qreal radius)
{
    p.save();
    p.setPen(QPen(QColor(0x2F, 0x7F, 0xD0), 5.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal angle = i * M_PI / 3 + M_PI / 2;
        const QPointF dir(qCos(angle) * radius, qSin(angle) * radius);
        p.drawLine(centre - dir, centre + dir);
    }
    p.restore();
}

void drawBolt(QPainter& p)
{
    p.save();
    QPolygonF bolt;
    bolt << QPointF(54, 52) << QPointF(36, 80) << QPointF(49, 80) << QPointF(40, 99) << QPointF(68, 70)
         << QPointF(55, 70) << QPointF(64, 52);
    p.setPen(QPen(QColor(0xA0, 0x5A, 0x00), 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xFF, 0xD2, 0x1F));
    p.drawPolygon(bolt);
    p.restore();
}

void drawFogLines(QPainter& p, qreal top)
{
    p.save();
    p.setPen(QPen(QColor(0x7A, 0x83, 0x8E), 8.0, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const qreal y = top + i * 12;
        const qreal shift = (i % 2) * 8;
        p.drawLine(QPointF(8 + shift, y), QPointF(84 + shift, y));
    }
    p.restore();
}

void drawLight(QPainter& p, Sky sky, QPointF centre, qreal radius)
{
    if (sky == Sky::Day)
        drawSun(p, centre, radius);
    else
        drawMoon(p, centre, radius * 1.25);
}

const QColor kCloudWhite(0xF4, 0xF6, 0xFA);
const QColor kCloudEdge(0x7C, 0x86, 0x94);
const QColor kCloudGrey(0xB9, 0xC0, 0xCA);
const QColor kCloudDark(0x8D, 0x95, 0xA1);
const QColor kRainBlue(0x15, 0x60, 0xD0);

void drawCategory(QPainter& p, int category, Sky sky)
{
    const bool night = sky == Sky::Night;
    const QColor cloud = night ? kCloudGrey : kCloudWhite;
    const QRectF upper(12, 14, 76, 50);
    // Night skies of the wet categories show the moon behind the cloud, so
    // day and night never look alike.
    if (night && (category == 3 || category == 4 || category == 6 || category == 7 || category == 10))
        drawMoon(p, QPointF(24, 20), 14);
    switch (category) {
    case 0: // sunny or clear
        drawLight(p, sky, QPointF(50, 50), 24);
        break;
    case 1: // partly cloudy
        drawLight(p, sky, QPointF(36, 36), 19);
        drawCloud(p, QRectF(28, 44, 64, 44), cloud, kCloudEdge);
        break;
    case 2: // cloudy
        drawCloud(p, QRectF(4, 18, 62, 44), kCloudDark, kCloudEdge);
        drawCloud(p, QRectF(20, 34, 76, 54), cloud, kCloudEdge);
        break;
    case 3: // rain
        drawCloud(p, upper, kCloudDark, kCloudEdge);
        drawDrops(p, 4, 70, 22, kRainBlue);
        break;
    case 4: // drizzle
        drawCloud(p, upper, kCloudGrey, kCloudEdge);
        drawDots(p, 5, 74, kRainBlue);
        break;
    case 5: // fog or haze
        drawLight(p, sky, QPointF(50, 30), 18);
        drawFogLines(p, 60);
        break;
    case 6: // snow
        drawCloud(p, upper, kCloudGrey, kCloudEdge);
        drawFlake(p, QPointF(30, 80), 9);
        drawFlake(p, QPointF(52, 88), 9);
        drawFlake(p, QPointF(73, 78), 9);
        break;
    case 7: // thunderstorm
        drawCloud(p, QRectF(12, 10, 76, 50), kCloudDark, QColor(0x55, 0x5D, 0x69));
        drawBolt(p);
        break;
    case 8: // showers
        drawLight(p, sky, QPointF(30, 28), 16);
        drawCloud(p, QRectF(22, 28, 68, 44), cloud, kCloudEdge);
        drawDrops(p, 3, 76, 16, kRainBlue);
        break;
    case 9: // light snow
        drawLight(p, sky, QPointF(30, 28), 16);
        drawCloud(p, QRectF(22, 28, 68, 44), cloud, kCloudEdge);
        drawFlake(p, QPointF(44, 84), 8);
        drawFlake(p, QPointF(68, 86), 8);
        break;
    case 10: // rain and snow
        drawCloud(p, upper, kCloudGrey, kCloudEdge);
        drawDrops(p, 2, 72, 18, kRainBlue);
        drawFlake(p, QPointF(46, 84), 8);
        drawFlake(p, QPointF(78, 82), 8);
        break;
    case 11: // mostly cloudy
        drawLight(p, sky, QPointF(28, 30), 15);
        drawCloud(p, QRectF(14, 36, 80, 52), cloud, kCloudEdge);
        break;
    }
}

QPixmap unknownPicture(int size)
{
    Canvas c(size);
    c.painter.setPen(QPen(QColor(0x5B, 0x62, 0x6C), 6));
    c.painter.setBrush(QColor(0xDD, 0xE1, 0xE6));
    c.painter.drawEllipse(QPointF(50, 50), 45, 45);
    QFont font;
    font.setPixelSize(80);
    font.setBold(true);
    c.painter.setFont(font);
    c.painter.setPen(QColor(0x45, 0x4B, 0x54));
    c.painter.drawText(QRectF(0, 0, kCanvas, kCanvas), Qt::AlignCenter, QStringLiteral("?"));
    return c.done();
}

QPixmap warningPicture(int size, bool bright)
{
    Canvas c(size);
    QPolygonF triangle;
    triangle << QPointF(50, 6) << QPointF(96, 90) << QPointF(4, 90);
    c.painter.setPen(QPen(bright ? QColor(0x7A, 0x00, 0x00) : QColor(0xC4, 0x12, 0x12), 6, Qt::SolidLine,
                          Qt::RoundCap, Qt::RoundJoin));
    c.painter.setBrush(bright ? QColor(0xFF, 0xD2, 0x1F) : QColor(0xE5, 0x1C, 0x1C));
    c.painter.drawPolygon(triangle);
    c.painter.setPen(Qt::NoPen);
    c.painter.setBrush(bright ? QColor(0x7A, 0x00, 0x00) : Qt::white);
    c.painter.drawRoundedRect(QRectF(44, 32, 12, 34), 5, 5);
    c.painter.drawEllipse(QPointF(50, 77), 7, 7);
    return c.done();
}

} // namespace

QPixmap conditionPicture(int number, int size)
{
    if (number == 14 || number == 15)
        return warningPicture(size, number == 15);
    const bool day = number >= 0 && number <= 11;
    const bool night = number >= 20 && number <= 31;
    if (!day && !night)
        return unknownPicture(size);
    Canvas c(size);
    drawCategory(c.painter, day ? number : number - 20, day ? Sky::Day : Sky::Night);
    return c.done();
}

QPixmap mailFrame(int frame, int size)
{
    Canvas c(size);
    QPainter& p = c.painter;
    const QRectF body(10, 30, 80, 54);
    const QPen outline(QColor(0x8A, 0x5A, 0x14), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(outline);
    p.setBrush(QColor(0xF3, 0xD9, 0x8B));
    p.drawRect(body);
    if (frame >= 2) {
        // The flap stands open and a letter rises out of the envelope.
        QPolygonF flap;
        flap << body.topLeft() << QPointF(50, 6) << body.topRight();
        p.setBrush(QColor(0xE8, 0xC4, 0x62));
        p.drawPolygon(flap);
        const qreal letterTop = frame == 2 ? 26 : 12;
        p.setPen(QPen(QColor(0x7C, 0x86, 0x94), 2.5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(22, letterTop, 56, 44));
        p.setPen(QPen(QColor(0x9A, 0xA3, 0xAF), 3));
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(30, letterTop + 10 + i * 8), QPointF(70, letterTop + 10 + i * 8));
        QPolygonF pocket;
        pocket << body.topLeft() + QPointF(0, 14) << QPointF(50, 66) << body.topRight() + QPointF(0, 14)
               << body.bottomRight() << body.bottomLeft();
        p.setPen(outline);
        p.setBrush(QColor(0xF3, 0xD9, 0x8B));
        p.drawPolygon(pocket);
    } else {
        QPolygonF flap;
        flap << body.topLeft() << QPointF(50, 62) << body.topRight();
        p.setBrush(frame == 0 ? QColor(0xE8, 0xC4, 0x62) : QColor(0xF7, 0xE3, 0xA6));
        p.drawPolygon(flap);
    }
    if (frame == 0) { // a small red badge: something new
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xD6, 0x1F, 0x1F));
        p.drawEllipse(QPointF(84, 28), 12, 12);
    }
    return c.done();
}
