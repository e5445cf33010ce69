#include "platform/animation_view.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Frames of one colour each with a transparent border, as the program's own
// drawings have.
QList<QPixmap> framesOf(const QList<QColor>& colours)
{
    QList<QPixmap> frames;
    for (const QColor& colour : colours) {
        QPixmap frame(8, 8);
        frame.fill(Qt::transparent);
        QPainter(&frame).fillRect(2, 2, 4, 4, colour);
        frames << frame;
    }
    return frames;
}

QColor paintedAt(AnimationView& view, QPoint at)
{
    return view.grab().toImage().pixelColor(at);
}

} // namespace

TEST(AnimationView, OpaqueViewPaintsItsBackgroundUnderTheFramesAndFollowsItsPalette)
{
    AnimationView view;
    view.resize(12, 12); // larger than the frames: the margin is painted too
    QPalette palette = view.palette();
    palette.setColor(view.backgroundRole(), Qt::darkCyan);
    view.setPalette(palette);
    view.setFrames(framesOf({Qt::red}));
    view.setOpaque(true);
    EXPECT_TRUE(view.testAttribute(Qt::WA_OpaquePaintEvent));
    EXPECT_EQ(paintedAt(view, {6, 6}), QColor(Qt::red));
    EXPECT_EQ(paintedAt(view, {3, 3}), QColor(Qt::darkCyan)); // the frame's transparent border
    EXPECT_EQ(paintedAt(view, {0, 0}), QColor(Qt::darkCyan)); // outside the frame

    palette.setColor(view.backgroundRole(), Qt::darkMagenta);
    view.setPalette(palette);
    EXPECT_EQ(paintedAt(view, {3, 3}), QColor(Qt::darkMagenta));
}
