#include "pages/planet_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

struct Planet {
    QColor light, dark;
    double radius;     // of the 100-unit box
    bool bands;        // cloud bands across the disc
    bool rings;
};

const Planet kPlanets[9] = {
    {QColor(200, 195, 190), QColor(95, 90, 85), 18, false, false},    // Mercury
    {QColor(250, 235, 180), QColor(170, 130, 60), 26, false, false},  // Venus
    {QColor(120, 180, 250), QColor(20, 60, 150), 27, false, false},   // Earth
    {QColor(240, 130, 90), QColor(140, 40, 20), 22, false, false},    // Mars
    {QColor(245, 215, 175), QColor(160, 110, 70), 44, true, false},   // Jupiter
    {QColor(245, 225, 165), QColor(170, 140, 80), 30, true, true},    // Saturn
    {QColor(190, 245, 245), QColor(70, 150, 170), 32, false, false},  // Uranus
    {QColor(110, 140, 250), QColor(20, 40, 140), 31, false, false},   // Neptune
    {QColor(225, 200, 175), QColor(120, 95, 75), 14, false, false},   // Pluto
};

void drawRing(QPainter& paint, const QColor& colour, bool front)
{
    paint.save();
    paint.setPen(QPen(colour, 5));
    paint.setBrush(Qt::NoBrush);
    // The front half of the ring passes before the disc, the back half behind it.
    paint.drawArc(QRectF(8, 38, 84, 24), front ? 180 * 16 : 0, 180 * 16);
    paint.restore();
}

} // namespace

QPixmap planetPicture(int planet, int size)
{
    if (planet < 0 || planet > 8 || size <= 0)
        return QPixmap();
    const Planet& p = kPlanets[planet];
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::black);
    QPainter paint(&pixmap);
    paint.setRenderHint(QPainter::Antialiasing);
    paint.scale(size / 100.0, size / 100.0);
    const QPointF centre(50, 50);
    if (p.rings)
        drawRing(paint, QColor(210, 190, 140), false);
    // Lit from the upper left.
    QRadialGradient shade(centre - QPointF(p.radius / 2, p.radius / 2), p.radius * 1.6);
    shade.setColorAt(0, p.light);
    shade.setColorAt(1, p.dark);
    paint.setPen(Qt::NoPen);
    paint.setBrush(shade);
    paint.drawEllipse(centre, p.radius, p.radius);
    if (p.bands) {
        QPainterPath disc;
        disc.addEllipse(centre, p.radius, p.radius);
        paint.setClipPath(disc);
        paint.setBrush(QColor(150, 100, 60, 110));
        for (double y = -0.5; y <= 0.5; y += 0.33)
            paint.drawRect(QRectF(50 - p.radius, 50 + y * p.radius - p.radius * 0.07, 2 * p.radius, p.radius * 0.14));
        paint.setClipping(false);
    }
    if (planet == 2) { // Earth's land
        paint.setBrush(QColor(70, 150, 70));
        paint.drawEllipse(QPointF(42, 42), 9, 12);
        paint.drawEllipse(QPointF(60, 60), 8, 6);
    }
    if (p.rings)
        drawRing(paint, QColor(230, 210, 160), true);
    return pixmap;
}
