#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/settings_store.h"
#include "platform/tray_icons.h"
#include "platform/color_values.h"
#include "settings/caption_length.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "support/cpu_clock.h"
#include "support/local_http_server.h"
#include "test_support.h"
#include "update/observation_log.h"
#include "update/report_processing.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRandomGenerator>

namespace {

class ReportProcessingTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        TrayIcons::instance().simulate(true);
        installShipped("States_Cities.cvd");
        ASSERT_TRUE(server.listen());
        form1().IgnoreUV->setChecked(true);
    }

    // Slot 0 watches the entry, with this page from this address.
    void watch(const QString& entry, const QString& path, const QString& page)
    {
        addWatchEntry(form2().List3, entry, false);
        program().SlotEntry[0] = entry;
        program().SlotURL[0] = server.url(path);
        program().SlotOn[0] = true;
        program().SlotText[0] = page;
        program().SlotTextURL[0] = program().SlotURL[0];
    }

    LocalHttpServer server;
};

} // namespace

TEST_F(ReportProcessingTest, ThePlacesTipNamesTheStateAsTheEntryWritesIt)
{
    watch("Texas - DALLAS", "/tx.txt", "DALLAS         SUNNY    80   50   35  N5       30.00S  HAZE\r\n");
    form1().IgnoreWarnings->setChecked(true);
    Process_Reports(/*celsius=*/false);
    EXPECT_EQ(form1().Label2[0]->text(), "DALLAS");
    EXPECT_EQ(form1().Label2[0]->toolTip(), "DALLAS, Texas ");
    EXPECT_EQ(form1().Label3[0]->text(), "SUNNY");
}

// A world-list page whose station line never ends is not parsed; the world
// list has neither UV values nor a warnings page, so the row stays as it was.
TEST_F(ReportProcessingTest, AnUnendedLineOfASourceWithoutWarningsKeepsTheRowAndFetchesNothing)
{
    watch("World - PARIS", "/weather.uwyo.edu/surface/world.txt",
          "PARIS            CLOUDY          59    FRANCE and no line end");
    Form1& main = form1();
    main.Label3[0]->setText("SUNNY");
    main.Label10[0]->setText("NA");
    setBackColor(main.S_Warning[0], kRed);
    SaveSetting("Sources", "alertsService", server.url(""));
    Process_Reports(/*celsius=*/false);
    EXPECT_EQ(main.Label3[0]->text(), "SUNNY");
    EXPECT_EQ(main.Label10[0]->text(), "NA");
    EXPECT_EQ(backColor(main.S_Warning[0]), kButtonFaceColor);
    EXPECT_TRUE(server.requests().isEmpty());
}

// Whatever a page holds, every kind of source ends quickly in a row that
// is not available or partly read, however often the place is named.
TEST_F(ReportProcessingTest, HostilePagesOfEverySourceEndQuickly)
{
    QByteArray noise(300000, '\0');
    QRandomGenerator random(77);
    for (char& c : noise)
        c = static_cast<char>(random.bounded(256));
    const QString binary = QString::fromLatin1(noise);
    QString shortLines;
    for (int i = 0; i < 200000; ++i)
        shortLines += QLatin1String("BOSTON Today\n");
    const QStringList pages = {binary + "BOSTON" + binary + "\r" + binary, shortLines,
                               shortLines + "BOSTON" + binary.left(50), QString(3000000, 'B') + "BOSTON"};

    form1().IgnoreWarnings->setChecked(true);
    watch("Massachusetts - BOSTON", "/", QString());
    const QStringList paths = {"/forecast.weather.gov/product.php?site=NWS&issuedby=MA", "/www.weather.gov/ak/x",
                               "/www.mkwc.ifa.hawaii.edu/x", "/vortex.plymouth.edu/x", "/www.timeanddate.com/x",
                               "/weather.uwyo.edu/x", "/www.nea.gov.sg/weather/x"};
    for (const QString& path : paths) {
        for (const QString& page : pages) {
            program().SlotURL[0] = server.url(path);
            program().SlotText[0] = page;
            program().SlotTextURL[0] = program().SlotURL[0];
            form1().Label4[0]->clear();
            const qint64 started = threadCpuMilliseconds();
            Process_Reports(/*celsius=*/false);
            EXPECT_LT(threadCpuMilliseconds() - started, 3000) << path.toStdString();
            EXPECT_EQ(form1().Label2[0]->text(), "BOSTON");
        }
    }
}

// Readings that run on for megabytes reach the row's labels cut to the
// longest caption: the remarks of a roundup line and the sky of the
// alternate conditions file.
TEST_F(ReportProcessingTest, EndlessReadingsAreCutInTheirLabels)
{
    installShipped("alter1.cvd");
    form1().IgnoreWarnings->setChecked(true);
    const QString endless(2000000, 'Z');
    const QString conditions = "WACO" + QString(13, ' ') + "50   65%   NORTH at 10    RAIN" + endless + "\n";
    struct Case { const char* name; QString entry; QString page; QString conditions; QLabel* label; QString kept; };
    const Case cases[] = {
        {"roundup remarks", "Texas - DALLAS",
         "DALLAS         SUNNY    80   50   35  N5       30.00S  HAZE" + endless + "\r\n", QString(),
         form1().Label9[0], ("HAZE" + endless).left(kLongestCaption)},
        {"alternate sky", "Texas - WACO TX", QString(), conditions, form1().Label3[0],
         ("RAIN" + endless).left(kLongestCaption)},
    };
    for (const Case& c : cases) {
        form2().List3->clear();
        for (auto* column : form1().stationColumns())
            (*column)[0]->clear();
        watch(c.entry, "/tx.txt", c.page);
        program().AltText = c.conditions;
        Process_Reports(/*celsius=*/false);
        EXPECT_EQ(c.label->text(), c.kept) << c.name;
    }
}

// Only a row that says what this update fetched is an observation: it is
// logged as it reads and moves the time of the last update. A row shown
// from an earlier page, or keeping readings it had, is named instead, and
// logged as a station without a report, with what the alternate sources
// said of it; its own time stays.
TEST_F(ReportProcessingTest, EveryStationIsLoggedOnceAndOnlyRowsReadMoveTheTime)
{
    installShipped("alter1.cvd");
    Form1& main = form1();
    main.IgnoreWarnings->setChecked(true);
    form2().Check2->setChecked(true); // the checked stations are logged...
    form2().Check4->setChecked(true); // ...one line each
    const QString dallas = "DALLAS         SUNNY    80   50   35  N5       30.00S  HAZE\r\n";
    const QString silent = "DALLAS         NOT AVBL                          \r\n";
    const QString austin = "AUSTIN         SUNNY    80   50   35  N5       30.00S  HAZE\r\n";
    const QString waco = "WACO" + QString(13, ' ') + "50   65%   NORTH at 10    light rain\n";
    // The state's alternate pages: Texas's names Dallas; New Mexico's server
    // sends an error page that names Dallas too.
    server.route("/obs/TX.OBS", HttpReply::text(dallas.toLatin1()));
    HttpReply excuse = HttpReply::text(dallas.toLatin1());
    excuse.status = 503;
    server.route("/obs/NM.OBS", excuse);
    SaveSetting("Sources", "alternateObservations", server.url("/obs/"));
    const QString tx = "/tx/roundup.txt", nm = "/nm/roundup.txt";

    struct Case {
        const char* name;
        QString entry, page;
        bool fetched;       // the page came in this update
        QString shownPlace; // the row had readings of this place ("" none)
        QString conditions; // this update's alternate conditions file
        QString path;       // the slot's address (the alternate page goes by its state)
        bool alternate;     // "Check Alternate Site"
        bool updated;
        QString condition;  // the row's condition afterwards
        QString logged;     // the end of its log line
    } const cases[] = {
        {"this update's page", "Texas - DALLAS", dallas, true, "DALLAS", "", tx, false, true, "SUNNY",
         "|SUNNY|80|50|35|N5|30.00S|NR|HAZE|"},
        {"an earlier page", "Texas - DALLAS", dallas, false, "", "", tx, false, false, "SUNNY",
         "|NOT AVBL||||||NR||"},
        {"this update's page without the station", "Texas - DALLAS", austin, true, "", "", tx, false, true,
         "NOT AVBL", "|NOT AVBL||||||NR|Alternate Site N/R|"},
        {"the same, last readings kept", "Texas - DALLAS", austin, true, "DALLAS", "", tx, false, false, "CLOUDY",
         "|NOT AVBL||||||NR||"},
        {"the same, the row another station's", "Texas - DALLAS", austin, true, "AUSTIN", "", tx, false, true,
         "NOT AVBL", "|NOT AVBL||||||NR|Alternate Site N/R|"},
        {"a line without a report", "Texas - DALLAS", silent, true, "", "", tx, false, true, "NOT AVBL",
         "|NOT AVBL||||||NR|Alternate Site N/R|"},
        {"the same, last readings kept", "Texas - DALLAS", silent, true, "DALLAS", "", tx, false, false, "CLOUDY",
         "|NOT AVBL||||||NR||"},
        {"no page, the conditions file's row", "Texas - WACO TX", "", false, "", waco, tx, false, true,
         "LIGHT RAIN", "|LIGHT RAIN|50|NR|65|N10|NR|NR|Alternate Site Used|"},
        {"no page, no conditions file", "Texas - WACO TX", "", false, "", "", tx, false, false, "NOT AVBL",
         "|NOT AVBL||||||NR|Alternate Site N/R|"},
        {"no page, the state's alternate page", "Texas - DALLAS", "", false, "", "", tx, true, true, "SUNNY",
         "|SUNNY|80|50|35|N5|30.00S|NR|HAZE|"},
        {"no page, an error for the alternate page", "Texas - DALLAS", "", false, "", "", nm, true, false,
         "NOT AVBL", "|NOT AVBL||||||NR|Alternate Site N/R|"},
    };
    for (const Case& c : cases) {
        form2().List3->clear();
        for (auto* column : main.stationColumns())
            (*column)[0]->clear();
        if (!c.shownPlace.isEmpty()) {
            main.Label2[0]->setText(c.shownPlace);
            main.Label3[0]->setText("CLOUDY");
            main.Label4[0]->setText("40");
        }
        watch(c.entry, c.path, c.page);
        form2().List3->item(0)->setCheckState(Qt::Checked);
        program().SlotFetched[0] = c.fetched;
        program().SlotReadAt[0] = QTime(1, 2);
        program().AltText = c.conditions;
        main.CheckAlternate->setChecked(c.alternate);
        main.setPanelText(3, "earlier");
        program().LastUpdate = "earlier";
        const QStringList before = readFile("Log/CV_Log.txt").split("\r\n", Qt::SkipEmptyParts);

        const ReportsOutcome outcome = Process_Reports(/*celsius=*/false);

        EXPECT_EQ(main.Label3[0]->text(), c.condition) << c.name;
        EXPECT_EQ(outcome.notUpdated, c.updated ? QStringList() : QStringList{main.Label2[0]->text()}) << c.name;
        const QStringList log = readFile("Log/CV_Log.txt").split("\r\n", Qt::SkipEmptyParts);
        ASSERT_EQ(log.size(), before.size() + 1) << c.name;
        EXPECT_TRUE(log.last().startsWith("|" + c.entry + "|")) << c.name;
        EXPECT_TRUE(log.last().endsWith(c.logged)) << c.name << ": " << log.last().toStdString();
        EXPECT_EQ(main.panelText(3) == "earlier", !c.updated) << c.name;
        EXPECT_EQ(program().LastUpdate == "earlier", !c.updated) << c.name;
        EXPECT_EQ(weather().LastUp->text(), c.updated ? main.panelText(3) : "01:02 AM") << c.name;
        EXPECT_EQ(wethWind().Label2[6]->text(), c.updated ? "Updated" : "Not Updated") << c.name;
    }
}

// The closing text names each place not updated in double quotes, so that a
// place with a comma in it reads as one; the other notes follow after "; ".
TEST(UpdateEndText, SaysWhatDidNotGoAsItShould)
{
    ReportsOutcome outcome;
    EXPECT_EQ(updateEndText(outcome, {QString(), QString()}), "Ready.....");
    outcome.notUpdated = {"SEATAC AIRPORT", "HOQUIAM, WA"};
    EXPECT_EQ(updateEndText(outcome), R"(Ready..... Not updated: "SEATAC AIRPORT", "HOQUIAM, WA")");
    outcome.logWritten = false;
    EXPECT_EQ(updateEndText(outcome, {QString(), "Logged Off at 10:15 AM and Waiting....."}),
              R"(Ready..... Not updated: "SEATAC AIRPORT", "HOQUIAM, WA"; )" + logNotWrittenText()
                  + "; Logged Off at 10:15 AM and Waiting.....");
}
