#include "platform/animation_frames.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

// Every frame is drawn on a 100 x 100 canvas scaled to the requested size.
constexpr qreal kCanvas = 100.0;
constexpr int kFrames = 12;

template <typename Draw>
QList<QPixmap> drawFrames(int size, Draw draw)
{
    size = qMax(1, size);
    QList<QPixmap> frames;
    frames.reserve(kFrames);
    for (int i = 0; i < kFrames; ++i) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / kCanvas, size / kCanvas);
        draw(p, i);
        p.end();
        frames.append(pixmap);
    }
    return frames;
}

QPointF polar(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(qCos(a) * radius, qSin(a) * radius);
}

} // namespace

QList<QPixmap> busyFrames(int size)
{
    return drawFrames(size, [](QPainter& p, int frame) {
        const QPointF centre(50, 50);
        p.setPen(Qt::NoPen);
        for (int k = 0; k < kFrames; ++k) {
            // The head sits at the frame's position; the dots behind it fade.
            const int behind = (frame - k + kFrames) % kFrames;
            const int alpha = qMax(70, 255 - behind * 30);
            const qreal radius = behind == 0 ? 12.5 : qMax(8.0, 12.0 - behind * 0.6);
            p.setBrush(QColor(0x15, 0x60, 0xD0, alpha));
            p.drawEllipse(polar(centre, 35, k * 30.0 - 90.0), radius, radius);
        }
    });
}

QList<QPixmap> anemometerFrames(int size)
{
    return drawFrames(size, [](QPainter& p, int frame) {
        const QPointF hub(50, 42);
        // Mast and foot.
        p.setPen(QPen(QColor(0x5E, 0x66, 0x72), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(50, 46), QPointF(50, 94));
        p.drawLine(QPointF(36, 94), QPointF(64, 94));
        // Three cups, 120 degrees apart, turned 10 degrees further each frame.
        // The arms are seen slightly from above, so the circle is squashed.
        for (int cup = 0; cup < 3; ++cup) {
            const qreal angle = frame * 10.0 + cup * 120.0;
            const qreal a = qDegreesToRadians(angle);
            const QPointF end = hub + QPointF(qCos(a) * 36, qSin(a) * 14);
            p.setPen(QPen(QColor(0x5E, 0x66, 0x72), 4.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(hub, end);
            // A cup facing the viewer shows its open side (lighter), one
            // facing away its back (darker).
            const bool open = qSin(a) > 0;
            p.setPen(QPen(QColor(0x8A, 0x10, 0x10), 2.5));
            p.setBrush(open ? QColor(0xF0, 0x5A, 0x4A) : QColor(0xC0, 0x22, 0x22));
            const qreal width = 12 + 6 * qAbs(qSin(a));
            p.drawEllipse(end, width, 11.0);
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x3A, 0x40, 0x48));
        p.drawEllipse(hub, 6.5, 6.5);
    });
}

QList<QPixmap> sunshineFrames(int size)
{
    return drawFrames(size, [](QPainter& p, int frame) {
        const QPointF centre(50, 50);
        // The rays turn by 3.75 degrees a frame (one ray gap in 12 frames, so
        // the loop is seamless) and their length breathes in and out.
        const qreal pulse = 0.5 - 0.5 * qCos(frame * 2 * M_PI / kFrames);
        const qreal turn = frame * 45.0 / kFrames;
        for (int ray = 0; ray < 8; ++ray) {
            const qreal angle = turn + ray * 45.0;
            const bool longRay = ray % 2 == 0;
            const qreal outer = (longRay ? 40 : 34) + pulse * (longRay ? 8 : 4);
            QPainterPath wedge;
            wedge.moveTo(polar(centre, 26, angle - 9));
            wedge.lineTo(polar(centre, outer, angle));
            wedge.lineTo(polar(centre, 26, angle + 9));
            wedge.closeSubpath();
            p.setPen(QPen(QColor(0xE0, 0x7A, 0x00), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(longRay ? QColor(0xFF, 0xA8, 0x12) : QColor(0xFF, 0xC8, 0x30));
            p.drawPath(wedge);
        }
        QRadialGradient glow(centre - QPointF(6, 6), 30);
        glow.setColorAt(0, QColor(0xFF, 0xF4, 0x9A));
        glow.setColorAt(1, QColor(0xFF, 0xBE, 0x1C));
        p.setPen(QPen(QColor(0xE0, 0x8A, 0x00), 2.5));
        p.setBrush(glow);
        p.drawEllipse(centre, 24, 24);
    });
}
