#include "mainwindow/form1.h"

#include "mainwindow/about_window.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/desktop.h"
#include "platform/sound_player.h"
#include "platform/tray_icons.h"
#include "settings/program_state.h"
#include "test_support.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

namespace {

class StartupTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
        TrayIcons::instance().simulate(true);
        SoundPlayer::instance().listener = [this](const QString& file) { played << file; };
    }
    void TearDown() override
    {
        SoundPlayer::instance().listener = nullptr;
        SandboxTest::TearDown();
    }
    void saveWatchList(int stations)
    {
        QStringList lines{"[CRVN INFO] Version 1.7.7"};
        for (int i = 0; i < stations; ++i)
            lines << "Texas - DALLAS" << "False";
        lines << "[INTERVAL]" << " 0";
        writeLines("CRVN.ini", lines);
    }
    QStringList played;
};

} // namespace

TEST(StartupHeight, GrowsWithTheStationsUpToTen)
{
    EXPECT_EQ(Form1::heightForStations(0), 1605);
    EXPECT_EQ(Form1::heightForStations(1), 1605);
    EXPECT_EQ(Form1::heightForStations(2), 1965);
    EXPECT_EQ(Form1::heightForStations(10), 4845);
    EXPECT_EQ(Form1::heightForStations(14), 4845);
}

TEST_F(StartupTest, AnEmptyWatchListOpensTheOptionsAndCreatesTheFolders)
{
    ASSERT_TRUE(form1().Form_Load());
    EXPECT_TRUE(QDir(path("data")).exists());
    EXPECT_TRUE(QDir(path("Sounds")).exists());
    EXPECT_EQ(modalShown, QStringList{"Corvane Options"});
    EXPECT_FALSE(form1().Timer1->isActive());
    EXPECT_EQ(form1().windowTitle(), "Corvane 1.7.7");
    EXPECT_EQ(played, QStringList{path("Sounds/Thunder.wav")});
    EXPECT_TRUE(TrayIcons::instance().shown(1));
    EXPECT_EQ(program().TrayPassThrough, 0);
    EXPECT_FALSE(about().isVisible());
}

TEST_F(StartupTest, AWatchListArmsTheFirstUpdate)
{
    saveWatchList(3);
    ASSERT_TRUE(form1().Form_Load());
    EXPECT_TRUE(modalShown.isEmpty());
    EXPECT_TRUE(form1().Timer1->isActive());
    EXPECT_TRUE(form1().isVisible());
    EXPECT_TRUE(form1().Timer2->isActive());
}

TEST_F(StartupTest, MiniWeatherStartShowsTheCompactWindowWaitingOnData)
{
    saveWatchList(1);
    QStringList lines = readFile("CRVN.ini").split("\r\n");
    lines.removeLast();
    lines << "[PARAMETERS]" << "True" << "True" << "True" << "False" << "True" << "False" << "False";
    writeLines("CRVN.ini", lines);
    ASSERT_TRUE(form1().Form_Load());
    EXPECT_FALSE(form1().isVisible());
    EXPECT_TRUE(weather().isVisible());
    EXPECT_EQ(weather().Place->text(), "Waiting On Data");
    EXPECT_FALSE(weather().Command1[4]->isEnabled());
}

TEST_F(StartupTest, ShutDownRemovesTheTrayIconsAndStopsTheTimers)
{
    saveWatchList(1);
    ASSERT_TRUE(form1().Form_Load());
    program().WarnIconShown = true;
    TrayIcons::instance().Tray_Add(2, "Weather Warning!", QIcon());
    form1().close();
    EXPECT_FALSE(TrayIcons::instance().shown(1));
    EXPECT_FALSE(TrayIcons::instance().shown(2));
    EXPECT_FALSE(weather().Timer2->isActive());
    EXPECT_FALSE(form1().Timer2->isActive());
    EXPECT_EQ(form1().Closing, 1);
}

TEST_F(StartupTest, TheUsersListsFillTheirMenusAndSitesOpenInTheBrowser)
{
    saveWatchList(1);
    writeLines("WebSites.cvd", {"[WEB SITES]", "Storm Centre", "https://storms.example/", "[END]"});
    writeLines("LocalRadar.cvd", {"[LOCAL RADAR]", "Home Radar", "https://radar.example/r.gif", "NO", "[END]"});
    QStringList opened;
    setDesktopSeam(DesktopSeam{[&](const QString& target) { opened << target; }, {}});
    ASSERT_TRUE(form1().Form_Load());
    EXPECT_EQ(form1().mnuWebSite[0]->text(), "Storm Centre");
    EXPECT_TRUE(form1().mnuWebSite[0]->isVisible());
    EXPECT_FALSE(form1().mnuWebSite[1]->isVisible());
    EXPECT_EQ(form1().LocalRadar[0]->text(), "Home Radar");
    form1().mnuWebSite[0]->trigger();
    clearDesktopSeam();
    EXPECT_EQ(opened, QStringList{"https://storms.example/"});
}
