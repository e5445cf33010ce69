#include "platform/animated_picture.h"

#include "platform/waits.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

QList<QPixmap> coloured(const QList<QColor>& colours)
{
    QList<QPixmap> frames;
    for (const QColor& colour : colours) {
        QPixmap frame(4, 4);
        frame.fill(colour);
        frames << frame;
    }
    return frames;
}

// The colour painted in the middle of the picture.
QColor shownColour(AnimatedPicture& picture)
{
    return picture.grab().toImage().pixelColor(picture.width() / 2, picture.height() / 2);
}

} // namespace

TEST(AnimatedPicture, PlaysItsFramesInALoopAtTheFrameDelay)
{
    AnimatedPicture picture;
    picture.setFrames(coloured({Qt::red, Qt::green, Qt::blue}));
    picture.setFrameDelay(20);
    EXPECT_EQ(picture.frameCount(), 3);
    EXPECT_EQ(picture.currentFrame(), 0);
    EXPECT_EQ(shownColour(picture), QColor(Qt::red));
    EXPECT_FALSE(picture.isPlaying());

    picture.play();
    EXPECT_TRUE(picture.isPlaying());
    ASSERT_TRUE(waitUntil([&] { return picture.currentFrame() == 2; }, 10.0));
    EXPECT_EQ(shownColour(picture), QColor(Qt::blue));
    ASSERT_TRUE(waitUntil([&] { return picture.currentFrame() == 0; }, 10.0)); // wraps round
    EXPECT_EQ(shownColour(picture), QColor(Qt::red));
}

TEST(AnimatedPicture, StoppedPictureKeepsItsFrameAndHidingDoesNotStopIt)
{
    AnimatedPicture picture;
    picture.setFrames(coloured({Qt::red, Qt::green, Qt::blue, Qt::yellow}));
    picture.setFrameDelay(15);
    picture.setToolTip(QStringLiteral("Recovering data"));
    picture.play();
    picture.hide();
    ASSERT_TRUE(waitUntil([&] { return picture.currentFrame() != 0; }, 10.0));
    EXPECT_TRUE(picture.isPlaying());

    picture.stop();
    const int frozen = picture.currentFrame();
    pauseLettingEventsRun(0.1);
    EXPECT_EQ(picture.currentFrame(), frozen);
    EXPECT_FALSE(picture.isPlaying());
    EXPECT_EQ(picture.toolTip(), "Recovering data");
}

TEST(AnimatedPicture, FrameDelayHasAFloorAndOddFrameListsAreHarmless)
{
    AnimatedPicture picture;
    picture.setFrameDelay(0);
    EXPECT_EQ(picture.frameDelay(), AnimatedPicture::kShortestFrameDelay);
    picture.setFrameDelay(-5);
    EXPECT_EQ(picture.frameDelay(), AnimatedPicture::kShortestFrameDelay);

    picture.play(); // no frames at all
    pauseLettingEventsRun(0.05);
    EXPECT_EQ(picture.currentFrame(), 0);

    picture.setFrames(coloured({Qt::red})); // one frame: nothing to animate
    pauseLettingEventsRun(0.05);
    EXPECT_EQ(picture.currentFrame(), 0);

    // New frames while playing start moving at once, from their first.
    picture.setFrames(coloured({Qt::green, Qt::blue}));
    EXPECT_EQ(shownColour(picture), QColor(Qt::green));
    EXPECT_TRUE(waitUntil([&] { return picture.currentFrame() == 1; }, 10.0));

    picture.setFrames({});
    EXPECT_TRUE(picture.currentPixmap().isNull());
    pauseLettingEventsRun(0.05);
}
