#include "platform/animation_view.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

TEST(AnimationView, OpaqueViewPaintsTheBackgroundColourItHasNow)
{
    QPixmap frame(8, 8); // transparent but for a red middle, as the program's drawings are
    frame.fill(Qt::transparent);
    QPainter(&frame).fillRect(2, 2, 4, 4, Qt::red);
    AnimationView view;
    view.resize(12, 12); // larger than the frame: the margin is painted too
    view.setFrames({frame});
    view.setOpaque(true);
    for (const QColor colour : {QColor(Qt::darkCyan), QColor(Qt::darkMagenta)}) {
        QPalette palette = view.palette();
        palette.setColor(view.backgroundRole(), colour);
        view.setPalette(palette);
        const QImage painted = view.grab().toImage();
        EXPECT_EQ(painted.pixelColor(6, 6), QColor(Qt::red));
        EXPECT_EQ(painted.pixelColor(3, 3), colour); // the frame's transparent border
        EXPECT_EQ(painted.pixelColor(0, 0), colour); // outside the frame
    }
}
