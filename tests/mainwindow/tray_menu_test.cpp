#include "mainwindow/form1.h"

#include "mainwindow/digital_window.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/tray_icons.h"
#include "platform/color_values.h"
#include "platform/waits.h"
#include "settings/condition_pictures.h"
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

// An embedded (XEmbed) tray passes the mouse on, the button down here; a
// notifier host sends one activation for a click, and that does what a
// double click does.
TEST_F(TrayMenuTest, AnActivationWithoutTheMouseHereActsAsADoubleClick)
{
    using Reason = QSystemTrayIcon::ActivationReason;
    struct Case {
        const char* what;
        std::vector<std::pair<Reason, bool>> activations; // reason, button down here
        bool acts;
    };
    const Case cases[] = {
        {"embedded, one click", {{QSystemTrayIcon::Trigger, true}}, false},
        {"embedded, double click", {{QSystemTrayIcon::Trigger, true}, {QSystemTrayIcon::DoubleClick, true}}, true},
        {"notifier host, one click", {{QSystemTrayIcon::Trigger, false}}, true},
        {"middle button", {{QSystemTrayIcon::MiddleClick, false}}, false},
    };
    addWatchEntry(form2().List3, "Texas - DALLAS", false);
    TrayIcons& tray = TrayIcons::instance();
    tray.Tray_Add(2, "Weather Warning!", QIcon());
    for (const Case& c : cases) {
        form1().hide();
        program().ShownWindow = 1;
        program().WarnFlag[0] = true;
        for (const auto& [reason, down] : c.activations) {
            tray.activate(1, reason, down);
            tray.activate(2, reason, down);
        }
        EXPECT_EQ(form1().isVisible(), c.acts) << c.what;
        EXPECT_EQ(program().WarnFlag[0], !c.acts) << c.what;
    }
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

    wethWind().Image2->show();
    main.S_Warning_Click(1); // nothing set, still repainted red
    EXPECT_EQ(backColor(main.S_Warning[1]), kRed);
    EXPECT_EQ(backColor(weather().Label1[0]), kRed);
    EXPECT_TRUE(wethWind().Image2->isHidden());
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
    bool fired = false;
    bool endedEarly = false;
    bool endedWhenFired = false;
    // Connected after the window's own handler, so this runs once that has.
    QObject::connect(main.Timer3, &QTimer::timeout, &main, [&] {
        fired = true;
        endedWhenFired = main.Unloading != 0;
    });
    main.PopMenu_Click(10);
    EXPECT_EQ(main.Unloading, 0);
    EXPECT_EQ(main.Timer3->interval(), 500);
    EXPECT_TRUE(main.Timer3->isSingleShot());
    ASSERT_TRUE(waitUntil(
        [&] {
            endedEarly = endedEarly || (!fired && main.Unloading != 0);
            return fired;
        },
        30.0));
    EXPECT_FALSE(endedEarly);
    EXPECT_TRUE(endedWhenFired);
    EXPECT_FALSE(main.isVisible());
    EXPECT_FALSE(TrayIcons::instance().shown(1));
}

TEST_F(TrayMenuTest, ShowingTheMainOrTheCompactWindowHidesTheDigitalOne)
{
    Form1& main = form1();
    for (int item : {0, 1}) {
        wethWind().show();
        main.PopMenu_Click(item);
        EXPECT_FALSE(wethWind().isVisible()) << "item " << item;
    }
    EXPECT_TRUE(weather().isVisible());
    EXPECT_FALSE(main.isVisible());
}

TEST_F(TrayMenuTest, ClickOnTheMailPanelClearsEveryMailIndicator)
{
    Form1& main = form1();
    auto click = [&](int panel) {
        QMouseEvent event(QEvent::MouseButtonRelease, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main.panel(panel), &event);
    };
    main.panel(6)->show();
    weather().Image1[2]->setPixmap(mailFrame(0));
    weather().Image1[2]->show();
    wethWind().Image1[22]->show();
    click(3);
    EXPECT_FALSE(main.panel(6)->isHidden());
    EXPECT_FALSE(weather().Image1[2]->isHidden());
    click(6);
    EXPECT_TRUE(main.panel(6)->isHidden());
    EXPECT_TRUE(weather().Image1[2]->isHidden());
    EXPECT_TRUE(weather().Image1[2]->pixmap().isNull());
    EXPECT_TRUE(wethWind().Image1[22]->isHidden());
}

TEST_F(TrayMenuTest, DigitalArrowsMoveTheTrayToTheNewStation)
{
    Form1& main = form1();
    for (int i = 0; i < 2; ++i) {
        addWatchEntry(form2().List3, QString("Texas - PLACE%1").arg(i), false);
        main.Label2[i]->setText(QString("PLACE%1").arg(i));
        main.Label4[i]->setText("70");
    }
    main.Label3[1]->setText("RAIN");
    program().CurrentSlot = 0;
    TrayIcons::instance().Tray_Update(1, "PLACE0", QIcon());
    wethWind().Command1_Click(5);
    EXPECT_EQ(TrayIcons::instance().tip(1), "PLACE1 - RAIN - 70");
    EXPECT_FALSE(TrayIcons::instance().picture(1).isNull());
}
