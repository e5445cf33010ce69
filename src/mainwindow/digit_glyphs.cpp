#include "mainwindow/digit_glyphs.h"

#include <QPainter>
#include <QPolygonF>

namespace {

// Segments: a top, b upper right, c lower right, d bottom, e lower left,
// f upper left, g middle.
enum Seg { A = 1, B = 2, C = 4, D = 8, E = 16, F = 32, G = 64 };

const int digitSegments[10] = {A | B | C | D | E | F, B | C, A | B | G | E | D, A | B | G | C | D,
                               F | G | B | C, A | F | G | C | D, A | F | G | E | C | D, A | B | C,
                               A | B | C | D | E | F | G, A | B | C | D | F | G};

constexpr int Height = 25;

void drawSegments(QPainter& p, int segs, qreal x0, qreal w, const QColor& color)
{
    const qreal t = 2.0, top = 2, mid = Height / 2.0, bottom = Height - 3;
    const qreal l = x0 + 1, r = x0 + w - 2;
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    if (segs & A) p.drawRect(QRectF(l + t, top, r - l - t, t));
    if (segs & G) p.drawRect(QRectF(l + t, mid - t / 2, r - l - t, t));
    if (segs & D) p.drawRect(QRectF(l + t, bottom - t, r - l - t, t));
    if (segs & F) p.drawRect(QRectF(l, top + t, t, mid - top - t - 1));
    if (segs & B) p.drawRect(QRectF(r - t + 1, top + t, t, mid - top - t - 1));
    if (segs & E) p.drawRect(QRectF(l, mid + 1, t, bottom - mid - t - 1));
    if (segs & C) p.drawRect(QRectF(r - t + 1, mid + 1, t, bottom - mid - t - 1));
}

int glyphWidth(int k)
{
    if (k == 12 || k == 21) return 6;
    if (k == 13) return 8;
    if (k == 15 || k == 16) return 19;
    return 13;
}

QPixmap makeGlyph(int k, const QColor& lit, const QColor& dim)
{
    const int w = glyphWidth(k);
    QPixmap pm(w, Height);
    pm.fill(Qt::black);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (k >= 0 && k <= 9) {
        drawSegments(p, digitSegments[k], 0, w, lit);
        return pm;
    }
    p.setBrush(lit);
    p.setPen(Qt::NoPen);
    switch (k) {
    case 10: p.drawPolygon(QPolygonF({QPointF(6.5, 3), QPointF(12, 12), QPointF(1, 12)}));
             p.drawRect(QRectF(5, 12, 3, 10)); break;
    case 11: p.drawPolygon(QPolygonF({QPointF(6.5, 22), QPointF(12, 13), QPointF(1, 13)}));
             p.drawRect(QRectF(5, 3, 3, 10)); break;
    case 12: p.drawRect(QRectF(1, 19, 3, 3)); break; // clear of the next cell, which overlaps two columns
    case 13: p.setPen(QPen(lit, 1.5)); p.setBrush(Qt::NoBrush); p.drawEllipse(QRectF(1.5, 2.5, 5, 5)); break;
    case 14: p.drawRect(QRectF(1, 3, 3, 3)); p.drawRect(QRectF(9, 18, 3, 3));
             p.setPen(QPen(lit, 2)); p.drawLine(QPointF(11, 3), QPointF(2, 21)); break;
    case 15: case 16: {
        QFont f; f.setPixelSize(8); f.setBold(true); p.setFont(f); p.setPen(lit);
        p.drawText(QRect(0, 0, w, Height), Qt::AlignCenter, k == 15 ? "MPH" : "KPH"); break;
    }
    case 17: drawSegments(p, E | F | B | C | A, 0, w, lit); break;        // N drawn as a gate
    case 18: drawSegments(p, digitSegments[5], 0, w, lit); break;         // S
    case 19: drawSegments(p, A | F | G | E | D, 0, w, lit); break;        // E
    case 20: drawSegments(p, F | E | D | C | B, 0, w, lit);               // W: U with a middle stroke
             p.drawRect(QRectF(5.5, 13, 2, 9)); break;
    case 21: p.drawRect(QRectF(2, 7, 3, 3)); p.drawRect(QRectF(2, 16, 3, 3)); break;
    case 22: drawSegments(p, G, 0, w, lit); break;
    case 23: drawSegments(p, A | B | C | D | E | F | G, 0, w, dim); break;
    case 24: drawSegments(p, G | C | D, 0, w, lit);                       // small s
             p.drawRect(QRectF(1, 9, 2, 4)); break;
    case 25: drawSegments(p, F | E | D | C | B, 0, w, lit); break;        // V as an open U
    case 26: drawSegments(p, E | G, 0, w, lit); break;                    // small r
    case 27: drawSegments(p, F | E | D | C | G, 0, w, lit); break;        // small b
    case 28: drawSegments(p, A | F | E | D | C, 0, w, lit); break;        // G
    default: break;
    }
    return pm;
}

} // namespace

const QList<QPixmap>& digitGlyphs()
{
    static const QList<QPixmap> store = [] {
        const QColor lit[4] = {QColor(8, 255, 66), QColor(255, 0, 0), QColor(255, 255, 0), QColor(0, 255, 255)};
        const QColor dim[4] = {QColor(8, 66, 0), QColor(64, 0, 0), QColor(64, 64, 0), QColor(0, 64, 64)};
        QList<QPixmap> all;
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < GlyphsPerSet; ++k)
                all << makeGlyph(k, lit[c], dim[c]);
        return all;
    }();
    return store;
}

QPixmap digitGlyph(int colorSet, int glyph)
{
    const int i = colorSet * GlyphsPerSet + glyph;
    if (colorSet < 0 || glyph < 0 || glyph >= GlyphsPerSet || i >= digitGlyphs().size())
        return {};
    return digitGlyphs().at(i);
}
