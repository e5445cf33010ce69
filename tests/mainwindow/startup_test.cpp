#include "mainwindow/form1.h"

#include "mainwindow/about_window.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/local_radar_editor.h"
#include "options/options_dialog.h"
#include "options/web_site_editor.h"
#include "pages/buoy_window.h"
#include "pages/forecast_window.h"
#include "pages/horoscope_window.h"
#include "pages/info_windows.h"
#include "pages/storm_window.h"
#include "pages/text_viewer.h"
#include "pages/uv_window.h"
#include "pictures/picture_window.h"
#include "platform/desktop.h"
#include "platform/sound_player.h"
#include "platform/tray_icons.h"
#include "platform/twips.h"
#include "settings/program_state.h"
#include "mainwindow/digital_window.h"
#include "platform/inet_control.h"
#include "support/local_http_server.h"
#include "test_support.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <optional>

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
    // One station and the small window chosen for the start: "Min" or "Dig".
    void saveStartUpWindow(const QString& which)
    {
        saveWatchList(1);
        QStringList lines = readFile("CRVN.ini").split("\r\n");
        lines.removeLast();
        const QString min = which == "Min" ? "True" : "False";
        const QString dig = which == "Dig" ? "True" : "False";
        lines << "[PARAMETERS]" << "True" << "True" << "True" << "False" << min << "False" << dig;
        writeLines("CRVN.ini", lines);
    }
    QStringList played;
};

// Notes the class of every window that closes, in order.
class CloseRecorder : public QObject {
public:
    QStringList closed;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            closed << watched->metaObject()->className();
        return false;
    }
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

TEST_F(StartupTest, AWatchListArmsTheFirstUpdateAndExistingFoldersStayAsTheyAre)
{
    saveWatchList(3);
    writeFile("Sounds/Thunder.wav", "RIFF");
    writeFile("data/radar.gif", "GIF89a");
    ASSERT_TRUE(form1().Form_Load());
    EXPECT_TRUE(modalShown.isEmpty());
    EXPECT_TRUE(form1().Timer1->isActive());
    EXPECT_TRUE(form1().isVisible());
    EXPECT_TRUE(form1().Timer2->isActive());
    // The window shows a row per station and is at least as tall as three
    // rows have always made it.
    EXPECT_TRUE(form1().Label2[2]->isVisible());
    EXPECT_FALSE(form1().Label2[3]->isVisible());
    EXPECT_GE(form1().height(), twipsToPixels(1965));
    EXPECT_GE(form1().height(), form1().sizeHint().height());
    EXPECT_EQ(readFile("Sounds/Thunder.wav"), "RIFF");
    EXPECT_EQ(readFile("data/radar.gif"), "GIF89a");
}

TEST_F(StartupTest, TheLoadOffersTheDigitalWindowAndLeavesNoSplashBehind)
{
    saveWatchList(1);
    Form1& main = form1();
    main.DigWeat->setEnabled(false);
    main.PopMenu[4]->setVisible(false);
    ASSERT_TRUE(main.Form_Load());
    EXPECT_TRUE(main.DigWeat->isEnabled());
    EXPECT_TRUE(main.PopMenu[4]->isVisible());
    EXPECT_TRUE(main.PopMenu[5]->isVisible());

    // The About window opened from the menu starts afresh: its own title,
    // and a timer that does not close it.
    EXPECT_FALSE(aboutLoaded());
    main.About->trigger();
    EXPECT_EQ(modalShown, QStringList{"About Corvane"});
    EXPECT_FALSE(about().Timer1->isActive());
    EXPECT_EQ(about().Timer1->interval(), 15000);
}

TEST_F(StartupTest, DigitalWeatherStartShowsTheDigitalWindowInstead)
{
    saveStartUpWindow("Dig");
    ASSERT_TRUE(form1().Form_Load());
    EXPECT_FALSE(form1().isVisible());
    EXPECT_TRUE(wethWind().isVisible());
    EXPECT_FALSE(weather().isVisible());
}

TEST_F(StartupTest, ClosedDuringTheSplashTheLoadStopsThere)
{
    saveWatchList(1);
    bool splashRanOut = false;
    QObject::connect(about().Timer1, &QTimer::timeout, [&] { splashRanOut = true; });
    QTimer::singleShot(200, &form1(), [] { form1().Exit_Click(); });
    EXPECT_FALSE(form1().Form_Load());
    EXPECT_FALSE(splashRanOut); // the splash does not wait out its time
    EXPECT_FALSE(form1().isVisible());
    EXPECT_FALSE(form2Loaded());
    EXPECT_FALSE(form1().Timer1->isActive());
    EXPECT_FALSE(TrayIcons::instance().shown(1));
    EXPECT_TRUE(played.isEmpty());
}

TEST_F(StartupTest, ClosedWhileTheCompactWindowLoadsTheRestIsNotRun)
{
    TrayIcons::instance().simulate(false);
    QStringList said;
    setDialogSeam(DialogSeam{
        [&said](const MessageRequest& request) {
            said << request.text;
            form1().close();
            return MsgResult::Ok;
        },
        {}, [](int code) { throw ProgramEnded{code}; },
        [this](QDialog& dialog) {
            modalShown << dialog.windowTitle();
            return 0;
        },
        {}, {}});
    EXPECT_FALSE(form1().Form_Load());
    EXPECT_EQ(said, QStringList{"There is no tray currently available"});
    EXPECT_FALSE(form1().isVisible());
    EXPECT_FALSE(form2Loaded());
    EXPECT_TRUE(modalShown.isEmpty());
    EXPECT_TRUE(played.isEmpty());
}

TEST_F(StartupTest, MiniWeatherStartShowsTheCompactWindowWaitingOnData)
{
    saveStartUpWindow("Min");
    ASSERT_TRUE(form1().Form_Load());
    EXPECT_FALSE(form1().isVisible());
    EXPECT_TRUE(weather().isVisible());
    EXPECT_EQ(weather().Place->text(), "Waiting On Data");
    EXPECT_FALSE(weather().Command1[4]->isEnabled());
}

TEST_F(StartupTest, WithoutATrayASmallWindowStartLeavesTheMainWindowMinimised)
{
    TrayIcons::instance().simulate(false);
    saveStartUpWindow("Dig");
    ASSERT_TRUE(form1().Form_Load());
    EXPECT_EQ(messageTexts(), QStringList{"There is no tray currently available"});
    EXPECT_TRUE(form1().isVisible());
    EXPECT_TRUE(form1().isMinimized());
    EXPECT_TRUE(wethWind().isVisible());
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
    setDesktopSeam(DesktopSeam{[&](const QString& target) { opened << target; return true; }, {}});
    ASSERT_TRUE(form1().Form_Load());
    EXPECT_EQ(form1().mnuWebSite[0]->text(), "Storm Centre");
    EXPECT_TRUE(form1().mnuWebSite[0]->isVisible());
    EXPECT_FALSE(form1().mnuWebSite[1]->isVisible());
    EXPECT_EQ(form1().LocalRadar[0]->text(), "Home Radar");
    form1().mnuWebSite[0]->trigger();
    clearDesktopSeam();
    EXPECT_EQ(opened, QStringList{"https://storms.example/"});
}

TEST_F(StartupTest, ShutDownClosesEveryWindowInOrder)
{
    // Every kind of window open at once, made in an order unlike the closing one.
    const QList<QWidget*> open{&wethWind(), &weather(), &about(), &wForcast(), &horoscope(), &form11(),
                               &form10(), &form9(), &form8(), new Form5(), &form4(), &form3(), &form2(), &form1()};
    CloseRecorder recorder;
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : open) {
        window->installEventFilter(&recorder);
        window->show();
        windows << window;
    }
    form1().close();
    EXPECT_EQ(recorder.closed.join(' ').toStdString(),
              "Form1 Form2 Form3 Form4 Form5 Form8 Form9 Form10 Form11 Horoscope WForcast frmAbout Weather WethWind");
    for (const QPointer<QWidget>& window : windows)
        EXPECT_TRUE(!window || !window->isVisible()) << window->metaObject()->className();
    EXPECT_FALSE(form9Loaded());
    EXPECT_FALSE(form10Loaded());
}

TEST_F(StartupTest, ShutDownCancelsAPictureTransfer)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    server.route("/radar.gif", HttpReply::of(HttpReply::Mode::NeverAnswer));
    InetControl& inet = *form1().Inet1;
    inet.setRequestTimeout(20);
    QTimer::singleShot(300, &form1(), [] { form1().close(); });
    std::optional<InetErrorKind> failure;
    try {
        inet.OpenURL(server.url("/radar.gif"));
    } catch (const InetError& error) {
        failure = error.kind();
    }
    EXPECT_EQ(failure, InetErrorKind::Cancelled); // not timed out
    EXPECT_FALSE(inet.StillExecuting());
}
