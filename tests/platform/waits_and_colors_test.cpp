#include "platform/color_values.h"
#include "platform/waits.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <gtest/gtest.h>
#include <limits>

TEST(Waits, EndWhenTheConditionHoldsOrTheTimeIsUp)
{
    // However long the wait may be (endless ones too), it ends once the
    // condition holds. Time bounds leave room for a busy machine: they only
    // tell "at once" from "after the whole wait".
    for (const double seconds : {60.0, 1e18, 1e300, std::numeric_limits<double>::infinity()}) {
        QObject context;
        bool fired = false;
        QTimer::singleShot(50, &context, [&] { fired = true; });
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(waitUntil([&] { return fired; }, seconds)) << seconds;
        EXPECT_LT(clock.elapsed(), 30000) << seconds;
    }

    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(waitUntil([] { return false; }, 0.2));
    EXPECT_GE(clock.elapsed(), 190);
    EXPECT_LT(clock.elapsed(), 20000);
    for (const double none : {0.0, -1e300, std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(waitUntil([] { return false; }, none)) << none;
        EXPECT_TRUE(waitUntil([] { return true; }, none)) << none; // tested once all the same
    }

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
