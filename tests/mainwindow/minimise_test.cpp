// Minimising the main window hides it behind the tray icon and shows the
// chosen small window with the current station.
#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "mainwindow/window_layout.h"
#include "options/options_dialog.h"
#include "platform/tray_icons.h"
#include "platform/color_values.h"
#include "platform/twips.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "test_support.h"

#include <QAction>
#include <QListWidget>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>

namespace {

class MinimiseTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
        TrayIcons::instance().simulate(true);
        TrayIcons::instance().Tray_Add(1, "Corvane", QIcon());
        form1().show();
    }

    void minimise() { form1().setWindowState(Qt::WindowMinimized); }
    void restore()
    {
        form1().setWindowState(Qt::WindowNoState);
        form1().show();
    }
    void fillRow(int slot, const QString& place, const QString& temperature)
    {
        Form1& main = form1();
        main.Label2[slot]->setText(place);
        main.Label3[slot]->setText("Sunny");
        main.Label4[slot]->setText(temperature);
        main.Label7[slot]->setText("S 5");
        main.Label9[slot]->setText("Haze");
    }
};

} // namespace

TEST_F(MinimiseTest, CopiesTheCurrentStationIntoTheCompactWindow)
{
    Form1& main = form1();
    fillRow(0, "DALLAS", "95");
    fillRow(1, "AUSTIN", "59");
    program().CurrentSlot = 1;
    main.setPanelText(3, "10:15 AM");
    setBackColor(main.S_Warning[1], kGreen);
    minimise();

    Weather& compact = weather();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(compact.isVisible());
    EXPECT_EQ(compact.Place->text(), "AUSTIN");
    EXPECT_EQ(compact.Conditions->text(), "Sunny");
    EXPECT_EQ(compact.Temp->text(), "59");
    EXPECT_EQ(foreColor(compact.Temp), kBlue);
    EXPECT_EQ(compact.DewPoint->text(), "Haze");
    EXPECT_EQ(compact.Wind->text(), "Wind: S 5");
    EXPECT_EQ(compact.LastUp->text(), "10:15 AM");
    EXPECT_EQ(backColor(compact.Label1[0]), kGreen);
    EXPECT_EQ(wethWind().Label2[6]->text(), "Updated");
    EXPECT_TRUE(compact.Timer1->isActive());
}

// The small windows show the time of the current station's own readings,
// and say when the last update did not read it.
TEST_F(MinimiseTest, TheTimeAndUpdatedAreTheCurrentStationsOwn)
{
    for (const char* entry : {"Texas - DALLAS", "Texas - AUSTIN"})
        addWatchEntry(form2().List3, entry, false);
    fillRow(0, "DALLAS", "95");
    fillRow(1, "AUSTIN", "70");
    form1().setPanelText(3, "10:15 AM");
    ProgramState& state = program();
    state.SlotReadAt = {QTime(9, 5), QTime(10, 15)};
    state.SlotUpdated = {false, true};
    minimise();
    EXPECT_EQ(weather().LastUp->text(), "09:05 AM");
    EXPECT_EQ(wethWind().Label2[6]->text(), "Not Updated");
    weather().Command1_Click(5); // the next station
    EXPECT_EQ(weather().LastUp->text(), "10:15 AM");
    EXPECT_EQ(wethWind().Label2[6]->text(), "Updated");
}

TEST_F(MinimiseTest, WithoutDataTheCompactWindowWaits)
{
    weather().Place->setText("DALLAS");
    weather().Temp->setText("70");
    minimise();
    EXPECT_EQ(weather().Place->text(), "Waiting On Data");
    EXPECT_EQ(weather().Temp->text(), "70"); // the other labels keep what they show
}

TEST_F(MinimiseTest, StationButtonsFollowTheCurrentSlot)
{
    Weather& compact = weather();
    program().CurrentSlot = 0;
    minimise();
    EXPECT_FALSE(compact.Command1[4]->isEnabled());
    EXPECT_TRUE(compact.Command1[5]->isEnabled());

    restore();
    program().CurrentSlot = 9; // the previous button stays as it was
    minimise();
    EXPECT_FALSE(compact.Command1[4]->isEnabled());
    EXPECT_FALSE(compact.Command1[5]->isEnabled());

    restore();
    program().CurrentSlot = 4;
    minimise();
    EXPECT_TRUE(compact.Command1[4]->isEnabled());
    EXPECT_TRUE(compact.Command1[5]->isEnabled());
}

TEST_F(MinimiseTest, LaterMinimisesFollowThePopUpSetting)
{
    Form1& main = form1();
    program().PopUpIndex = 2;
    minimise();
    EXPECT_FALSE(weather().isVisible());
    EXPECT_FALSE(wethWind().isVisible());

    restore();
    program().PopUpIndex = 1;
    main.AOT->setChecked(false);
    minimise();
    EXPECT_TRUE(wethWind().isVisible());
    EXPECT_FALSE(weather().isVisible());
    EXPECT_FALSE(wethWind().windowFlags() & Qt::WindowStaysOnTopHint);

    restore(); // a shown small window stays shown
    EXPECT_TRUE(main.isVisible());
    EXPECT_TRUE(wethWind().isVisible());

    program().PopUpIndex = 0;
    main.AOT->setChecked(true);
    minimise();
    EXPECT_TRUE(weather().isVisible());
    EXPECT_TRUE(weather().windowFlags() & Qt::WindowStaysOnTopHint);
}

// Nothing but the tray icon brings a hidden window back.
TEST_F(MinimiseTest, WithoutATrayIconTheMainWindowStaysMinimisedInTheTaskList)
{
    Form1& main = form1();
    for (const bool trayCameLater : {false, true}) {
        TrayIcons::instance().simulate(trayCameLater); // icon 1 was never added
        restore();
        program().PopUpIndex = 0;
        minimise();
        EXPECT_TRUE(main.isVisible()) << trayCameLater;
        EXPECT_TRUE(main.isMinimized()) << trayCameLater;
        EXPECT_TRUE(weather().isVisible()) << trayCameLater;
    }
}

TEST_F(MinimiseTest, StationsChangedWhileMinimisedAreShownAndSizedOnRestore)
{
    Form1& main = form1();
    struct Case {
        int before, after;
    };
    for (const Case c : {Case{1, 3}, Case{6, 2}, Case{2, 10}}) {
        Size_To_WatchList(main, c.before);
        const QSize shownSize = main.size();
        minimise();
        Size_To_WatchList(main, c.after);
        for (int row = 0; row < 10; ++row)
            EXPECT_EQ(main.Label2[row]->isHidden(), row >= c.after) << c.after << " stations, row " << row;

        restore();
        // Every row lies above the status bar, and the window follows the list.
        const QLabel* last = main.Label2[c.after - 1];
        EXPECT_TRUE(last->isVisible());
        EXPECT_LE(last->mapTo(&main, QPoint(0, last->height())).y(), main.StatusBar1->y()) << c.after;
        EXPECT_GE(main.height(), twipsToPixels(Form1::heightForStations(c.after)));
        if (c.after > c.before)
            EXPECT_GT(main.height(), shownSize.height()) << c.after;
        else
            EXPECT_LT(main.height(), shownSize.height()) << c.after;
    }
}
