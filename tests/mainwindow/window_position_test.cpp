#include "mainwindow/window_position.h"

#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "platform/screen.h"
#include "platform/settings_store.h"
#include "test_support.h"

#include <QRect>
#include <QTimer>

TEST(StoredWindowPosition, OnlyAPositionThatFitsTheScreenStands)
{
    const QSize window(3000, 2000), screen(15360, 11520); // twips
    const QPoint corner(12360, 0);
    const std::tuple<const char*, const char*, QPoint, bool> cases[] = { // top, left, place, corrected
        {"Blank", "Blank", corner, true},
        {"300", "Blank", corner, true},
        {"9520", "12360", {12360, 9520}, false}, // right and bottom edges on the screen's
        {"0", "12361", corner, true},            // one twip past the right edge
        {"9521", "0", corner, true},             // one twip past the bottom
        {"-500", "-700", {-700, -500}, false},   // past the left or top edge stands
        {"0", "2147483647", corner, true},       // numbers no window position can hold
        {"1e10", "0", corner, true},
        {"-1e10", "0", corner, true},
        {"12.9", "abc", {0, 12}, false},         // the leading number counts
    };
    for (const auto& [top, left, at, corrected] : cases) {
        const WindowPlace place = placeFromStore(top, left, window, screen);
        EXPECT_EQ(place.twips, at) << top << " " << left;
        EXPECT_EQ(place.corrected, corrected) << top << " " << left;
    }
}

TEST_F(SandboxTest, BothSmallWindowsKeepTheirPlaceInTwips)
{
    auto check = [](QWidget& window, const QString& section, const std::function<void()>& load) {
        SCOPED_TRACE(section.toStdString());
        SaveSetting(section, "Left", "150");
        SaveSetting(section, "Top", "300");
        load();
        EXPECT_EQ(window.pos(), QPoint(10, 20));
        SaveSetting(section, "Left", "2147483647");
        load();
        const int cornerLeft = screenArea().width() - window.width();
        EXPECT_EQ(window.pos(), QPoint(cornerLeft, 0));
        EXPECT_EQ(GetSetting(section, "Left", "?"), QString::number(cornerLeft * 15));

        window.move(30, 40);
        form1().Unloading = -1;
        window.close();
        form1().Unloading = 0;
        EXPECT_EQ(GetSetting(section, "Left", "?"), "450");
        EXPECT_EQ(GetSetting(section, "Top", "?"), "600");
    };
    // The compact window's half-second tick has no part here; on a busy
    // machine it would come, and load the options without a states file.
    weather().Timer2->stop();
    check(weather(), "MiniStartUp", [] { weather().Form_Load(); });
    check(wethWind(), "DigitalStartUp", [] { wethWind().Form_Load(); });
}
