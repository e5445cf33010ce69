#include "platform/animation_frames.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

bool hasOpaqueAndClearPixels(const QPixmap& frame)
{
    const QImage image = frame.toImage().convertToFormat(QImage::Format_ARGB32);
    bool opaque = false, clear = false;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int alpha = qAlpha(image.pixel(x, y));
            opaque = opaque || alpha > 128;
            clear = clear || alpha == 0;
        }
    return opaque && clear;
}

// Twelve frames of the asked size, each showing something, no two alike
// (a frame shown twice makes the loop stall or jump).
void expectAnimates(const QList<QPixmap>& frames, int size, const char* name)
{
    ASSERT_EQ(frames.size(), 12) << name;
    for (int i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(frames[i].size(), QSize(size, size)) << name << " frame " << i;
        EXPECT_TRUE(hasOpaqueAndClearPixels(frames[i])) << name << " frame " << i;
        for (int j = 0; j < i; ++j)
            EXPECT_NE(frames[i].toImage(), frames[j].toImage()) << name << " frames " << j << " and " << i;
    }
}

} // namespace

TEST(AnimationFrames, EachAnimationHasTwelveDistinctFramesOfTheAskedSize)
{
    expectAnimates(busyFrames(16), 16, "busy");
    expectAnimates(anemometerFrames(32), 32, "anemometer");
    expectAnimates(sunshineFrames(48), 48, "sunshine");
}

TEST(AnimationFrames, NonsenseSizeStillGivesUsableFrames)
{
    for (const QPixmap& frame : busyFrames(0))
        EXPECT_EQ(frame.size(), QSize(1, 1));
}
