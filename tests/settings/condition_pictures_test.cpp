#include "settings/condition_pictures.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

// Counts opaque and clear pixels, so a blank or a solid square is caught.
std::pair<int, int> coverage(const QPixmap& picture)
{
    const QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    int opaque = 0, clear = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
        {
            const int alpha = qAlpha(image.pixel(x, y));
            if (alpha > 128)
                ++opaque;
            else if (alpha == 0)
                ++clear;
        }
    return {opaque, clear};
}

} // namespace

TEST(ConditionPictures, EveryNumberDrawsAPictureOfTheAskedSize)
{
    for (int size : {16, 24, 48}) {
        for (int number = 0; number <= 31; ++number) {
            if (number > 15 && number < 20)
                continue;
            const QPixmap picture = conditionPicture(number, size);
            ASSERT_EQ(picture.size(), QSize(size, size)) << number;
            const auto [opaque, clear] = coverage(picture);
            EXPECT_GT(opaque, size) << number << " at " << size;
            EXPECT_GT(clear, size) << number << " at " << size;
        }
    }
}

TEST(ConditionPictures, DayNightAndAlertPhasesDiffer)
{
    for (int category = 0; category < 12; ++category)
        EXPECT_NE(conditionPicture(category).toImage(), conditionPicture(category + 20).toImage()) << category;
    EXPECT_NE(conditionPicture(14).toImage(), conditionPicture(15).toImage());
    EXPECT_NE(conditionPicture(0).toImage(), conditionPicture(12).toImage());
}

TEST(ConditionPictures, NumbersOutsideTheTableShowTheUnknownPicture)
{
    const QImage unknown = conditionPicture(12, 24).toImage();
    for (int number : {-1, 13, 16, 19, 32, 1000})
        EXPECT_EQ(conditionPicture(number, 24).toImage(), unknown) << number;
}

TEST(ConditionPictures, EveryCategoryHasItsOwnPicture)
{
    // Two categories drawn alike would hide a condition change from the user.
    for (int first : {0, 20})
        for (int a = first; a < first + 12; ++a)
            for (int b = a + 1; b < first + 12; ++b)
                EXPECT_NE(conditionPicture(a, 24).toImage(), conditionPicture(b, 24).toImage()) << a << " vs " << b;
}

TEST(ConditionPictures, MailFramesAnimate)
{
    for (int frame = 0; frame < 4; ++frame) {
        EXPECT_EQ(mailFrame(frame, 24).size(), QSize(24, 24));
        if (frame > 0) {
            EXPECT_NE(mailFrame(frame).toImage(), mailFrame(frame - 1).toImage()) << frame;
        }
    }
}
