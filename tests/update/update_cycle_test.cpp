#include "mainwindow/digit_glyphs.h"
#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/tray_icons.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "support/fake_nmcli.h"
#include "support/fetch_log.h"
#include "support/local_http_server.h"
#include "test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTimer>
#include <optional>

namespace {

// A roundup row in its fixed columns: name 15, sky 9, temperature 5,
// dewpoint 5, humidity 4, wind 9, pressure 8, remarks.
QByteArray row(const char* name, const char* sky, const char* temp, const char* dew, const char* hum,
               const char* wind, const char* pressure, const char* remarks)
{
    return QByteArray(name).leftJustified(15, ' ') + QByteArray(sky).leftJustified(9, ' ')
        + QByteArray(temp).leftJustified(5, ' ') + QByteArray(dew).leftJustified(5, ' ')
        + QByteArray(hum).leftJustified(4, ' ') + QByteArray(wind).leftJustified(9, ' ')
        + QByteArray(pressure).leftJustified(8, ' ') + remarks + "\r\n";
}

class UpdateCycleTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        TrayIcons::instance().simulate(true);
        ASSERT_TRUE(server.listen());
        const QByteArray texas = "<pre>REGIONAL WEATHER ROUNDUP\r\nCITY           SKY/WX    TMP  DP  RH WIND     PRES    REMARKS\r\n"
            + row("DALLAS", "PTCLDY", "72", "55", "55", "S12G20", "30.01R", "HAZE")
            + row("AUSTIN", "SUNNY", "80", "50", "35", "CALM", "30.05F", "")
            + row("WACO", "NOT AVBL", "", "", "", "", "", "") + "</pre>";
        server.route("/tx.txt", HttpReply::text(texas));
        server.route("/me.txt", HttpReply::text("<pre>\r\n" + row("PORTLAND", "CLOUDY", "20", "10", "65", "N5", "29.92S", "") + "</pre>"));
        server.route("/oh.txt", HttpReply::of(HttpReply::Mode::CloseWithoutAnswer));
        server.route("/ia.txt", HttpReply::of(HttpReply::Mode::CloseWithoutAnswer));
        server.route("/ut.txt", HttpReply::of(HttpReply::Mode::CloseWithoutAnswer));
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", server.url("/tx.txt"), "DALLAS", "AUSTIN",
                                         "WACO", "", "Maine", server.url("/me.txt"), "PORTLAND", "", "Ohio",
                                         server.url("/oh.txt"), "TOLEDO", "", "Iowa", server.url("/ia.txt"), "AMES",
                                         "", "Utah", server.url("/ut.txt"), "PROVO", "[END]"});
        writeLines("CRVN.ini", {"[CRVN INFO] Version 1.7.7", "Texas - DALLAS", "True", "Texas - AUSTIN", "False",
                                "Maine - PORTLAND", "False", "Texas - WACO", "False", "Ohio - TOLEDO", "False",
                                "Ohio - TOLEDO", "False", "[INTERVAL]", " 0"});
        form2();
        form1().IgnoreUV->setChecked(true);
        form1().IgnoreWarnings->setChecked(true);
        program().InetTimeout = 5;
        fetches.emplace(*form1().Inet2, server);
    }

    LocalHttpServer server;
    std::optional<FetchLog> fetches;
};

} // namespace

TEST_F(UpdateCycleTest, OneUpdateFillsEveryWatchedRow)
{
    Form1& main = form1();
    main.RNow_Click();
    // Slots 0 and 1 share a page, slot 3 stands apart, and so do slots 4 and 5.
    EXPECT_EQ(fetches->targets(), (QList<QByteArray>{"/tx.txt", "/me.txt", "/tx.txt", "/oh.txt"}));
    EXPECT_EQ(main.Label2[0]->text(), "DALLAS");
    EXPECT_EQ(main.Label3[0]->text(), "PTCLDY");
    EXPECT_EQ(main.Label4[0]->text(), "72");
    EXPECT_EQ(main.Label7[0]->text(), "S12G20");
    EXPECT_EQ(main.Label3[1]->text(), "SUNNY");
    EXPECT_EQ(main.Label4[2]->text(), "20");
    EXPECT_EQ(main.Label3[3]->text(), "NOT AVBL");
    EXPECT_EQ(main.Label3[4]->text(), "NOT AVBL"); // the failed request
    EXPECT_EQ(main.Label10[4]->text(), "NR");
    EXPECT_TRUE(main.Label2[6]->text().isEmpty());
    EXPECT_EQ(main.panelText(1), "Ready..... Not updated: \"TOLEDO\""); // named once for slots 4 and 5
    EXPECT_FALSE(program().LastUpdate.isEmpty());
    EXPECT_EQ(weather().Place->text(), "DALLAS");
    EXPECT_EQ(weather().Wind->text(), "Wind: S12G20");
    EXPECT_TRUE(TrayIcons::instance().tip(1).startsWith("DALLAS - PTCLDY - 72"));
    EXPECT_TRUE(QFile::exists(path("Log/CV_Log.txt")) == false); // logging is off by default
}

TEST_F(UpdateCycleTest, CelsiusRefreshesInMetricUnits)
{
    Form1& main = form1();
    main.TempD_Click(1);
    EXPECT_EQ(main.Label4[0]->text(), "22");
    EXPECT_EQ(main.Label4[2]->text(), "-7");
    EXPECT_EQ(fetches->targets().count("/tx.txt"), 2);
}

// With the watch list emptied, an update reads no page, empties the rows
// and hands the empty current row over: nothing failed, so the windows say
// it is updated, at the update's time.
TEST_F(UpdateCycleTest, AnEmptyListEmptiesTheRowsAndFailsNothing)
{
    Form1& main = form1();
    main.RNow_Click();
    main.Option1_Click(2);
    form2().List3->clear();
    const qsizetype fetched = fetches->targets().size();
    main.setPanelText(3, "earlier");
    main.RNow_Click();
    EXPECT_EQ(fetches->targets().size(), fetched);
    for (int slot = 0; slot < 10; ++slot)
        EXPECT_TRUE(main.Label2[slot]->text().isEmpty() && main.Label4[slot]->text().isEmpty()) << slot;
    EXPECT_EQ(program().CurrentSlot, 0);
    EXPECT_EQ(main.panelText(1), "Ready.....");
    EXPECT_NE(main.panelText(3), "earlier");
    EXPECT_EQ(weather().LastUp->text(), main.panelText(3));
    EXPECT_EQ(wethWind().Label2[6]->text(), "Updated");
}

TEST_F(UpdateCycleTest, AnUpdateNeverRunsInsideAnother)
{
    program().UpdateRunning = true;
    program().MinutesSinceUpdate = 7;
    form1().RNow_Click();
    EXPECT_EQ(program().MinutesSinceUpdate, 7);
    EXPECT_TRUE(fetches->targets().isEmpty());
    program().UpdateRunning = false;
}

TEST_F(UpdateCycleTest, ClosingDuringAnUpdateStopsItBeforeTheReports)
{
    HttpReply slow = HttpReply::text("<pre>\r\n" + row("PORTLAND", "CLOUDY", "20", "10", "65", "N5", "29.92S", "") + "</pre>");
    slow.delayMs = 300;
    server.route("/me.txt", slow);
    form2().Check2->setChecked(true); // logging on
    QTimer::singleShot(100, &form1(), [] { form1().Exit_Click(); });
    form1().RNow_Click();
    EXPECT_TRUE(form1().Unloading);
    EXPECT_TRUE(form1().Label2[0]->text().isEmpty()); // no row was parsed
    EXPECT_FALSE(QFile::exists(path("Log/CV_Log.txt")));
    EXPECT_FALSE(program().UpdateRunning);
}

TEST_F(UpdateCycleTest, TheMinuteTimerStartsUpdatesAtTheInterval)
{
    form1().Timer2->stop(); // the minutes below are the only ones
    program().UpdateInterval = 2;
    form1().Timer2_Timer();
    EXPECT_TRUE(fetches->targets().isEmpty());
    form1().Timer2_Timer();
    EXPECT_EQ(fetches->targets().count("/tx.txt"), 2);
    EXPECT_EQ(program().MinutesSinceUpdate, 0);

    form1().Auto_Click(); // manual refresh: the count restarts but nothing is fetched
    form1().Timer2_Timer();
    form1().Timer2_Timer();
    EXPECT_EQ(fetches->targets().count("/tx.txt"), 2);
}

TEST_F(UpdateCycleTest, CheckedStationsAreLogged)
{
    form2().Check2->setChecked(true);
    form2().Check3->setChecked(true);
    form2().Check4->setChecked(true);
    form1().RNow_Click();
    const QString log = readFile("Log/DALLAS_Log.txt");
    EXPECT_TRUE(log.startsWith("|Texas - DALLAS|")) << log.toStdString();
    EXPECT_TRUE(log.endsWith("|PTCLDY|72|55|55|S12G20|30.01R|NR|HAZE|\r\n")) << log.toStdString();
    EXPECT_FALSE(QFile::exists(path("Log/AUSTIN_Log.txt"))); // not checked for the log
}

// After a good update the pages fail in each way a request can: the rows
// keep their readings, but each station is logged without a report, the
// time of the last readings stays in the status bar and the small windows
// say that Dallas was not updated, and the closing text names the stations
// left as they were. Where Maine's page still comes, Portland is updated,
// logged and timed as usual.
TEST_F(UpdateCycleTest, AFailedRefreshKeepsTheReadingsWithoutPassingThemOffAsNew)
{
    Form1& main = form1();
    form2().Check2->setChecked(true);
    form2().Check4->setChecked(true);
    for (int i = 0; i < form2().List3->count(); ++i)
        form2().List3->item(i)->setCheckState(Qt::Checked);
    const HttpReply maine =
        HttpReply::text("<pre>\r\n" + row("PORTLAND", "CLOUDY", "20", "10", "65", "N5", "29.92S", "") + "</pre>");
    // An error page that names every station with other readings.
    HttpReply error = HttpReply::text("<pre>\r\n" + row("DALLAS", "ERROR", "1", "1", "1", "N1", "1", "")
                                      + row("AUSTIN", "ERROR", "1", "1", "1", "N1", "1", "")
                                      + row("PORTLAND", "ERROR", "1", "1", "1", "N1", "1", "") + "</pre>");
    error.status = 500;
    const QString allKept = "Ready..... Not updated: \"DALLAS\", \"AUSTIN\", \"PORTLAND\", \"WACO\", \"TOLEDO\"";
    struct Case { const char* failure; HttpReply texas, maine; QString closing; } const cases[] = {
        {"no answer", HttpReply::of(HttpReply::Mode::CloseWithoutAnswer),
         HttpReply::of(HttpReply::Mode::CloseWithoutAnswer), allKept},
        {"HTTP 500", error, error, allKept},
        {"an empty answer", HttpReply::text(""), HttpReply::text(""), allKept},
        {"silence past the time-out", HttpReply::of(HttpReply::Mode::NeverAnswer),
         HttpReply::of(HttpReply::Mode::NeverAnswer), allKept},
        {"Texas alone fails", error, maine, "Ready..... Not updated: \"DALLAS\", \"AUSTIN\", \"WACO\", \"TOLEDO\""},
    };
    main.RNow_Click();
    const QString dallasTime = weather().LastUp->text();
    for (const Case& c : cases) {
        // The silent server is given up after a second.
        program().InetTimeout = c.texas.mode == HttpReply::Mode::NeverAnswer ? 1 : 5;
        server.route("/tx.txt", c.texas);
        server.route("/me.txt", c.maine);
        main.setPanelText(3, "earlier");
        program().LastUpdate = "earlier";
        const QStringList logged = readFile("Log/CV_Log.txt").split("\r\n", Qt::SkipEmptyParts);
        const bool portlandRead = c.maine.body.contains("CLOUDY");

        main.RNow_Click();

        EXPECT_EQ(main.panelText(1), c.closing) << c.failure;
        EXPECT_EQ(main.Label3[0]->text(), "PTCLDY") << c.failure;
        EXPECT_EQ(main.Label4[1]->text(), "80") << c.failure;
        EXPECT_EQ(main.Label4[2]->text(), "20") << c.failure;
        const QStringList added = readFile("Log/CV_Log.txt").split("\r\n", Qt::SkipEmptyParts).mid(logged.size());
        EXPECT_EQ(added.size(), 6) << c.failure; // Toledo is watched twice
        EXPECT_EQ(added.filter("|NOT AVBL||||||NR||").size(), portlandRead ? 5 : 6) << c.failure;
        EXPECT_EQ(added.filter("|Maine - PORTLAND|").filter("|CLOUDY|").size(), portlandRead ? 1 : 0) << c.failure;
        EXPECT_EQ(main.panelText(3) == "earlier", !portlandRead) << c.failure;
        EXPECT_EQ(program().LastUpdate == "earlier", !portlandRead) << c.failure;
        EXPECT_EQ(weather().LastUp->text(), dallasTime) << c.failure;
        EXPECT_EQ(wethWind().Label2[6]->text(), "Not Updated") << c.failure;
        main.Option1_Click(2); // the digital window shows Portland
        EXPECT_EQ(wethWind().Label2[6]->text(), portlandRead ? "Updated" : "Not Updated") << c.failure;
        main.Option1_Click(0);
    }
}

// Each failed request already ended: the next station is asked at once, not
// after a wait for a report of success that cannot come any more.
TEST_F(UpdateCycleTest, FailedRequestsDoNotHoldUpTheNextStation)
{
    QListWidget& watchList = *form2().List3;
    watchList.clear();
    watchList.addItems({"Ohio - TOLEDO", "Iowa - AMES", "Utah - PROVO", "Texas - DALLAS"});
    QElapsedTimer clock;
    clock.start();
    form1().RNow_Click();
    // Three failures would take 45 seconds with the old waits.
    EXPECT_LT(clock.elapsed(), 40000);
    EXPECT_EQ(form1().Label3[2]->text(), "NOT AVBL");
    EXPECT_EQ(form1().Label3[3]->text(), "PTCLDY");
}

// A row's time is its station's own, in both small windows: a station never
// read has none (the digital window blanks its time cells rather than keep
// the last station's digits), and neither has a row whose station changed
// with Save & Refresh and could not be read.
TEST_F(UpdateCycleTest, ARowsTimeIsItsStationsOwn)
{
    Form1& main = form1();
    const auto timeCells = [] {
        QList<int> glyphs;
        for (int cell : {31, 30, 29, 28, 27})
            glyphs << wethWind().cellGlyph(cell);
        return glyphs;
    };
    const QList<int> noTime = {GlyphBlank, GlyphBlank, 21, GlyphBlank, GlyphBlank};
    main.RNow_Click();
    const QString dallasTime = weather().LastUp->text();
    ASSERT_FALSE(dallasTime.isEmpty());
    ASSERT_NE(timeCells(), noTime);
    main.Option1_Click(4); // Toledo: its page never came
    EXPECT_EQ(timeCells(), noTime);

    main.Option1_Click(0);
    form2().List3->clear();
    addWatchEntry(form2().List3, "Ohio - TOLEDO", false);
    addWatchEntry(form2().List3, "Texas - DALLAS", false);
    form2().Command1_Click(0); // Save & Refresh

    EXPECT_EQ(main.Label2[0]->text(), "TOLEDO");
    EXPECT_EQ(weather().LastUp->text(), "");
    EXPECT_EQ(timeCells(), noTime);
    weather().Command1_Click(5); // on to Dallas, read by this update
    EXPECT_FALSE(weather().LastUp->text().isEmpty());
    EXPECT_NE(timeCells(), noTime);
}

// A log that cannot be written (a file stands where the Log folder goes) is
// said once, and the update ends as usual.
TEST_F(UpdateCycleTest, ALogThatCannotBeWrittenIsSaidOnce)
{
    writeLines("Log", {"not a folder"});
    form2().Check2->setChecked(true);
    for (int i = 0; i < form2().List3->count(); ++i)
        form2().List3->item(i)->setCheckState(Qt::Checked);
    form1().RNow_Click();
    EXPECT_EQ(form1().panelText(1), "Ready..... Not updated: \"TOLEDO\"; Observation log could not be written in "
                                        + QDir::toNativeSeparators(path("Log")));
    EXPECT_EQ(form1().Label3[0]->text(), "PTCLDY");
    EXPECT_EQ(form1().Label3[2]->text(), "CLOUDY"); // the stations after the first lost record
    EXPECT_EQ(weather().Place->text(), "DALLAS");
}

// With "Auto Disconnect" on a dial-up connection, an update ends the link that
// the program dialled, arms the next dial and says so in its closing text; a
// link it did not dial (or one that will not end) is left up, and nothing is
// dialled again.
TEST_F(UpdateCycleTest, OnlyALinkTheProgramDialledIsHungUpAndDialledAgain)
{
    // The entry the program dialled last, the exit code of ending the link, whether it ends.
    struct Case { const char* dialled; int downExitCode; bool endsTheLink; } const cases[] = {
        {"", 0, false}, {"DSL", 0, true}, {"DSL", 4, false}, {"Night Rate", 0, false}};
    FakeNmcli nmcli;
    nmcli.setActive({"DSL:5e5e:pppoe:ppp0"});
    form2().Check1[0]->setChecked(true);
    form2().Option4[1]->setChecked(true);
    for (const Case& c : cases) {
        program().RasEntryName = c.dialled;
        program().AutoDialOn = false;
        nmcli.setDownExitCode(c.downExitCode);
        const qsizetype downsBefore = nmcli.calls().filter("[down]").size();
        form1().RNow_Click();
        EXPECT_EQ(program().AutoDialOn, c.endsTheLink) << c.dialled << " " << c.downExitCode;
        EXPECT_EQ(nmcli.calls().filter("[down]").size() - downsBefore, c.dialled == QString("DSL") ? 1 : 0)
            << c.dialled;
        const QRegularExpression loggedOff("; Logged Off at \\d\\d:\\d\\d [AP]M and Waiting\\.\\.\\.\\.\\.$");
        EXPECT_TRUE(form1().panelText(1).startsWith("Ready..... Not updated: \"TOLEDO\"")) << c.dialled;
        EXPECT_EQ(form1().panelText(1).contains(loggedOff), c.endsTheLink) << form1().panelText(1).toStdString();
    }
}
