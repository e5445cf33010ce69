#include "mainwindow/form1.h"

#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/tray_icons.h"
#include "platform/vb_color.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "test_support.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>

namespace {

class TrayMenuTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
        TrayIcons::instance().simulate(true);
        TrayIcons::instance().Tray_Add(1, "Corvane", QIcon());
        form1(); // the main window answers the tray
    }
};

} // namespace

TEST_F(TrayMenuTest, DoubleClickOnIconOneRestoresTheLastWindowOnlyWhenAllAreHidden)
{
    Form1& main = form1();
    program().ShownWindow = 2;
    TrayIcons::instance().deliver(1, "LBUTTONDBLCLK");
    EXPECT_TRUE(weather().isVisible());
    EXPECT_FALSE(main.isVisible());

    weather().hide();
    program().ShownWindow = 0; // nothing activated yet: nothing happens
    TrayIcons::instance().deliver(1, "LBUTTONDBLCLK");
    EXPECT_FALSE(weather().isVisible());
    EXPECT_FALSE(main.isVisible());

    program().TrayPassThrough = 1; // during start-up the tray does nothing
    program().ShownWindow = 1;
    TrayIcons::instance().deliver(1, "LBUTTONDBLCLK");
    EXPECT_FALSE(main.isVisible());
    program().TrayPassThrough = 0;
    TrayIcons::instance().deliver(1, "LBUTTONDBLCLK");
    EXPECT_TRUE(main.isVisible());
}

TEST_F(TrayMenuTest, RightButtonSetsTheMenuItemsByWhatIsShown)
{
    Form1& main = form1();
    weather().show();
    TrayIcons::instance().deliver(1, "RBUTTONUP");
    EXPECT_TRUE(main.PopMenu[0]->isVisible());
    EXPECT_FALSE(main.PopMenu[2]->isVisible());
    EXPECT_FALSE(main.PopMenu[1]->isVisible());
    EXPECT_TRUE(main.PopMenu[3]->isVisible());
    main.PopMenu1->hide();
}

TEST_F(TrayMenuTest, DoubleClickOnIconTwoAcknowledgesTheWatchedStations)
{
    for (int i = 0; i < 12; ++i)
        addWatchEntry(form2().List3, "Texas - DALLAS", false);
    program().WarnFlag.fill(true);
    program().WarnSound.fill(true);
    TrayIcons::instance().Tray_Add(2, "Weather Warning!", QIcon());
    TrayIcons::instance().deliver(2, "RBUTTONUP");
    EXPECT_TRUE(program().WarnFlag[0]);
    TrayIcons::instance().deliver(2, "LBUTTONDBLCLK");
    for (int i = 0; i < 10; ++i) {
        EXPECT_FALSE(program().WarnFlag[i]);
        EXPECT_FALSE(program().WarnSound[i]);
    }
}

TEST_F(TrayMenuTest, OnlyTheCurrentStationsLampAcknowledges)
{
    Form1& main = form1();
    program().CurrentSlot = 1;
    program().WarnFlag[2] = program().WarnSound[2] = true;
    main.S_Warning_Click(2);
    EXPECT_TRUE(program().WarnFlag[2]);

    main.S_Warning_Click(1); // nothing set, still repainted red
    EXPECT_EQ(backColor(main.S_Warning[1]), kRed);
    EXPECT_EQ(backColor(weather().Label1[0]), kRed);
}

TEST_F(TrayMenuTest, RightClickOnAPlaceRemembersTheStation)
{
    Form1& main = form1();
    auto release = [&](int row, Qt::MouseButton button) {
        QMouseEvent event(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), button, button, Qt::NoModifier);
        QApplication::sendEvent(main.Label2[row], &event);
    };
    release(4, Qt::RightButton);
    EXPECT_EQ(program().PopupSlot, 4);
    main.ForUvWarn->hide();
    release(4, Qt::LeftButton);
    EXPECT_EQ(program().PopupSlot, -1);
    EXPECT_EQ(main.StateInfo[0]->text(), "Local 3 Day Forcast");
}

TEST_F(TrayMenuTest, ShutDownFromTheTrayWaitsHalfASecond)
{
    Form1& main = form1();
    main.show();
    main.PopMenu_Click(10);
    EXPECT_TRUE(main.Timer3->isActive());
    EXPECT_EQ(main.Timer3->interval(), 500);
}
