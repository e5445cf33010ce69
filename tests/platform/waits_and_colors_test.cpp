#include "platform/vb_color.h"
#include "platform/waits.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>

TEST(Waits, EndWhenTheConditionHoldsOrTheTimeIsUp)
{
    bool fired = false;
    QTimer::singleShot(50, [&] { fired = true; });
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(waitUntil([&] { return fired; }, 5.0)); // the timer ran while waiting
    EXPECT_LT(clock.elapsed(), 2000);

    clock.restart();
    EXPECT_FALSE(waitUntil([] { return false; }, 0.2));
    EXPECT_GE(clock.elapsed(), 190);
    EXPECT_LT(clock.elapsed(), 2000);

    clock.restart();
    pauseLettingEventsRun(0.1);
    EXPECT_GE(clock.elapsed(), 95);
}

TEST(Colors, KeepTheirStoredFormAndReadBackExactly)
{
    EXPECT_EQ(toQColor(kRed), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(kBlue), QColor(0, 0, 255));
    EXPECT_EQ(toQColor(kPaleCyan), QColor(192, 255, 255));
    EXPECT_EQ(fromQColor(QColor(192, 255, 255)), kPaleCyan);
    EXPECT_EQ(colorAsSigned(kButtonTextColor), -2147483630);
    EXPECT_EQ(colorFromNumber(-2147483630.0), kButtonTextColor);
    EXPECT_TRUE(toQColor(kButtonFaceColor).isValid());

    QLabel label;
    setBackColor(&label, kButtonFaceColor);
    setForeColor(&label, kDarkRed);
    EXPECT_EQ(backColor(&label), kButtonFaceColor); // the system colour, not what it looks like now
    EXPECT_EQ(foreColor(&label), kDarkRed);
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(128, 0, 0));
}
