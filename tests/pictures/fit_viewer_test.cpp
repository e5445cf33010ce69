#include "pictures/fit_viewer.h"

#include <gtest/gtest.h>

TEST(FitPicture, ScrollBarsRangesAndWindowSizeFollowThePictureAndTheScreen)
{
    constexpr int bar = kScrollBarThickness;
    const int big[2] = {15360, 11520}; // 1024 x 768
    const int small[2] = {9600, 7200}; // 640 x 480
    const struct {
        const char* what;
        int width, height;
        const int* screen;
        bool h;
        int hMax, hTop;
        bool v;
        int vMax, vLeft;
        int windowWidth, windowHeight;
    } cases[] = {
        {"exactly the visible area", 620, 434, big, false, 0, 434, false, 0, 620, 9250, 6840},
        {"wide, fits a large screen", 700, 300, big, false, 67, 300, false, 0, 620, 10450, 4830},
        {"wide on a 640 screen", 700, 300, small, true, 80, 434, false, 0, 620, kDesignWindowWidth, 4800},
        {"tall on a 640 screen", 500, 900, small, false, 0, 434, true, 466, 620, 7450, 13800},
        {"tall, too high for a large screen", 500, 900, big, false, 0, 434, true, 453, 500,
         (500 + bar) * 15 - 50, 13800},
        {"wide, exactly 434 high, too wide for the screen", 1100, 434, big, true, 480, 434, false, 0, 620,
         kDesignWindowWidth, 6810},
        {"wide and low, too wide for the screen", 1100, 300, big, true, 467, 300, false, 0, 620,
         kDesignWindowWidth, (300 + bar) * 15 + 385},
        {"larger than the screen both ways", 1200, 900, big, true, 580, 434, true, 466, 620, kDesignWindowWidth,
         kDesignWindowHeight},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FitInput input;
        input.pictureWidth = c.width;
        input.pictureHeight = c.height;
        input.screenWidth = c.screen[0];
        input.screenHeight = c.screen[1];
        const FitResult fit = fitPicture(input);
        EXPECT_EQ(fit.hVisible, c.h);
        EXPECT_EQ(fit.hMax, c.hMax);
        EXPECT_EQ(fit.hTop, c.hTop);
        EXPECT_EQ(fit.vVisible, c.v);
        EXPECT_EQ(fit.vMax, c.vMax);
        EXPECT_EQ(fit.vLeft, c.vLeft);
        EXPECT_EQ(fit.windowWidth, c.windowWidth);
        EXPECT_EQ(fit.windowHeight, c.windowHeight);
        EXPECT_EQ(fit.left, (c.screen[0] - c.windowWidth) / 2);
        EXPECT_EQ(fit.top, (c.screen[1] - c.windowHeight) / 2);
    }
}
