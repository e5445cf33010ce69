// Whole updates of ten watched stations from every kind of source, through
// the real transfer control, against pages served from 127.0.0.1. Each page
// lives under a path that carries its source's marker, so the update tells
// the sources apart by their addresses as it does with the real ones.
#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/inet_control.h"
#include "platform/tray_icons.h"
#include "platform/color_values.h"
#include "platform/settings_store.h"
#include "report_lines.h"
#include "settings/program_state.h"
#include "support/fetch_log.h"
#include "support/local_http_server.h"
#include "support/samples.h"
#include "test_support.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <optional>

namespace {

// Addresses (path and query) of the pages. The roundup pages carry the
// roundup base with the state code after it, the Alaska table "/ak/", and
// the others their source's host marker.
const QByteArray kTexas = "/forecast.weather.gov/product.php?site=NWS&issuedby=TX&product=RWR";
const QByteArray kMaine = "/forecast.weather.gov/product.php?site=NWS&issuedby=ME&product=RWR";
const QByteArray kAlaska = "/www.weather.gov/ak/roundup.txt";
const QByteArray kHawaii = "/www.mkwc.ifa.hawaii.edu/current/obs.txt";
const QByteArray kHourly = "/vortex.plymouth.edu/decoded/vt.txt";
const QByteArray kPortalState = "/www.timeanddate.com/weather/OH"; // completed with the place and the unit
const QByteArray kPortalEnglish = "/www.timeanddate.com/weather/Toledo_OH_f.html";
const QByteArray kPortalMetric = "/www.timeanddate.com/weather/Toledo_OH_c.html";
const QByteArray kWorld = "/weather.uwyo.edu/surface/world.txt";
const QByteArray kSingapore = "/www.nea.gov.sg/weather/observations.html";
// The alerts service's answers, one per state.
const QByteArray kTexasAlerts = "/api/alerts/active?area=TX";
const QByteArray kAlaskaAlerts = "/api/alerts/active?area=AK";
const QByteArray kMaineAlerts = "/api/alerts/active?area=ME";

QByteArray bytes(const QString& text)
{
    return text.toUtf8();
}

QString roundupRow(const QString& name, const QString& sky, const QString& temp, const QString& dew,
                   const QString& humidity, const QString& wind, const QString& pressure, const QString& remarks)
{
    return fixedColumns({{name, 15}, {sky, 9}, {temp, 5}, {dew, 5}, {humidity, 4}, {wind, 9}, {pressure, 8}},
                        remarks)
        + "\r\n";
}

// A header line names Dallas before the state's zone codes: the search
// starts at the zone codes, so that line is never taken for the station's.
QByteArray texasPage(const QString& rows)
{
    return bytes("<html><body><pre>\r\nRWRTX\r\n"
                 "NATIONAL WEATHER SERVICE FOR DALLAS/FORT WORTH AND THE REST OF NORTH AND CENTRAL TEXAS\r\n"
                 "TXZ091>095-100>107-151900-\r\nTEXAS REGIONAL WEATHER ROUNDUP\r\n"
                 "CITY           SKY/WX   TMP  DP   RH  WIND     PRES    REMARKS\r\n"
                 + rows + "</pre></body></html>\r\n");
}

QByteArray firstTexasPage()
{
    return texasPage(roundupRow("DALLAS", "PTCLDY", "72", "55", "55", "S12G20", "30.01R", "HAZE")
                     + roundupRow("AUSTIN", "SUNNY", "80", "50", "35", "CALM", "30.05F", "")
                     + roundupRow("WACO", "RAIN", "65", "60", "84", "NE8", "29.95S", "FOG"));
}

QByteArray secondTexasPage()
{
    return texasPage(roundupRow("DALLAS", "STORMY", "90", "70", "52", "W30", "29.70F", "HAIL")
                     + roundupRow("AUSTIN", "STORMY", "88", "70", "55", "W25", "29.75F", "")
                     + roundupRow("WACO", "CLOUDY", "50", "40", "73", "N10", "30.10R", ""));
}

QByteArray alaskaPage()
{
    return bytes("ALASKA WEATHER ROUNDUP\r\n"
                 + fixedColumns({{"ANCHORAGE", 16}, {"LGT SNOW", 17}, {"  12", 4}, {"  85", 5}, {"N15G25", 10},
                                 {"   29.85F", 9}},
                                " -5 10")
                 + "\r\n");
}

QByteArray hawaiiPage()
{
    return bytes("HAWAII OBSERVATIONS\r\n"
                 + fixedColumns({{"HONOLULU", 18}, {"MOSTLY SUNNY", 14}, {"HAZE", 16}, {"  84", 4}, {" 68", 3},
                                 {" 59", 3}, {"NE12G20", 8}},
                                "30.02R")
                 + "\r\n");
}

// The title names the station too, but the list starts at "Station".
QByteArray hourlyPage()
{
    return bytes("DECODED HOURLY OBSERVATIONS FOR KBTV AND NEARBY STATIONS\n"
                 "Station   Time  Temp Dewp   Wind      Gust     Pres          Sky\n"
                 + atColumns({{1, "KBTV 1953"}, {18, "72"}, {22, "50"}, {29, "270 AT 15"}, {41, " 20"},
                              {50, "1013.2"}, {66, "SCT"}, {75, "10SM"}})
                 + "\n");
}

QByteArray portalPage(const QString& high, const QString& dew, const QString& wind, const QString& unit)
{
    return bytes("<html><head><title>Toledo, Ohio weather</title></head><body>\n"
                 "<h1>Weather in Toledo</h1>\n<p>Today 3:51 pm EST Light Rain Hi&nbsp;"
                 + high + "&deg;" + unit + " Lo 41</p>\n<p>Humidity: 81% Wind: " + wind
                 + "&nbsp; Dewpoint: " + dew + "&deg;" + unit + "</p>\n</body></html>\n");
}

QByteArray worldPage()
{
    return bytes("WORLD CITIES\nCITY             WEATHER         TEMP\n"
                 + atColumns({{1, "PARIS"}, {18, "CLOUDY"}, {34, "  59"}, {40, "FRANCE"}}) + "\n");
}

QByteArray singaporePage()
{
    return bytes("<html><pre>\nSTATION                   MAX MIN WEATHER\n"
                 + atColumns({{1, "CHANGI"}, {27, "  31"}, {31, "  25"}, {35, "THUNDERY SHOWERS"}})
                 + "\n</pre></html>\n");
}

const QStringList kWatchList = {"Texas - DALLAS", "Texas - AUSTIN", "Alaska - ANCHORAGE", "Hawaii - HONOLULU",
                                "Texas - WACO",   "Vermont - KBTV", "Ohio - Toledo",     "World - PARIS",
                                "Singapore - CHANGI", "Maine - PORTLAND"};

// Captions of one row from condition to UV (Label3 to Label10).
using Row = QStringList;
const Row kNotAvailable = {"NOT AVBL", "", "", "", "", "", "", "NR"};

// The rows of the first update, in English units.
const std::array<Row, 10> kEnglishRows = {
    Row{"PTCLDY", "72", "55", "55", "S12G20", "30.01R", "HAZE", "NR"},
    Row{"SUNNY", "80", "50", "35", "CALM", "30.05F", "", "NR"},
    Row{"LGT SNOW", "12", "N/A", "85", "N15G25", "29.85F", "W/C  -5  Vis 10", "NR"},
    Row{"MOSUNNY", "84", "68", "59", "NR", "30.02R", "HAZE", "NR"},
    Row{"RAIN", "65", "60", "84", "NE8", "29.95S", "FOG", "NR"},
    Row{"PTCLOUDY", "72", "50", "46", "W17G23", "29.92", "", "NA"},
    Row{"RAIN", "52", " 42", " 81", "NW12mph", "NR", "", "NA"},
    Row{"CLOUDY", "59", "NA", "NA", "NA", "NA", "NA", "NA"},
    Row{"THUNDERY SHOWERS", "87/77", "NA", "NA", "NA", "NA", "NA", "NA"},
    kNotAvailable};

// Maine never answers with a page: Portland is not updated, and logged
// without a report.
const QList<int> kPortlandNotRead = {9};
const QString kPortlandNotUpdated = "Ready..... Not updated: \"PORTLAND\"";

class MixedSourcesUpdateTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        TrayIcons::instance().simulate(true);
        ASSERT_TRUE(server.listen());
        serveFirstPages();

        QStringList states = {"[US States/Cities]"};
        const QList<QPair<QString, QByteArray>> sources = {
            {"Texas", kTexas},   {"Alaska", kAlaska},       {"Hawaii", kHawaii}, {"Vermont", kHourly},
            {"Ohio", kPortalState}, {"World", kWorld},      {"Singapore", kSingapore}, {"Maine", kMaine}};
        for (const auto& [state, address] : sources) {
            states << state << server.url(QString::fromUtf8(address));
            for (const QString& entry : kWatchList) {
                if (entry.startsWith(state + " - "))
                    states << entry.mid(state.size() + 3).toUpper();
            }
            states << "";
        }
        states.last() = "[END]";
        writeLines("States_Cities.cvd", states);
        QStringList settings = {"[CRVN INFO] Version 1.7.7"};
        for (const QString& entry : kWatchList)
            settings << entry << "True"; // every station is logged
        writeLines("CRVN.ini", settings << "[INTERVAL]" << " 0");
        SaveSetting("Sources", "alertsService", server.url("/api"));

        form2();
        Form1& main = form1();
        // The UV bulletin has no local stand-in: the UV column reads "NR"
        // wherever the checks run, and keeps the parser's "NA" where they
        // are skipped.
        main.IgnoreUV->setChecked(true);
        form2().Check2->setChecked(true); // log...
        form2().Check4->setChecked(true); // ...one short line per station
        program().InetTimeout = 5;
        main.Option1_Click(2); // the small windows show Anchorage
        recordStatusTexts();
        fetches.emplace(*main.Inet2, server);
    }

    void serveFirstPages()
    {
        // While Texas fails, its server closes every connection without an
        // answer; the next station's request ends that.
        server.route(kTexas, [this](const HttpRequestRecord&) {
            if (texasFails)
                return HttpReply::of(HttpReply::Mode::CloseWithoutAnswer);
            return HttpReply::text(secondUpdate ? secondTexasPage() : firstTexasPage());
        });
        server.route(kAlaska, [this](const HttpRequestRecord&) {
            texasFails = false;
            return HttpReply::text(alaskaPage(), "text/plain");
        });
        server.route(kMaine, HttpReply::text("")); // never answers with a page
        server.route(kHawaii, HttpReply::text(hawaiiPage(), "text/plain"));
        server.route(kHourly, HttpReply::text(hourlyPage(), "text/plain"));
        server.route(kPortalEnglish, HttpReply::text(portalPage("52", "42", "NW / 12 mph", "F")));
        server.route(kPortalMetric, HttpReply::text(portalPage("11", "6", "NW / 19 km/h", "C")));
        server.route(kWorld, HttpReply::text(worldPage(), "text/plain"));
        server.route(kSingapore, HttpReply::text(singaporePage()));
        server.route(kTexasAlerts, HttpReply::text(R"({"type": "FeatureCollection", "features": [{"properties":
            {"event": "Tornado Warning", "areaDesc": "Dallas, TX", "description": "A tornado near Irving."}}]})",
                                                   "application/geo+json"));
        server.route(kAlaskaAlerts, HttpReply::text(sampleText("alerts-active-TX-2024-05-none.json").toUtf8(),
                                                    "application/geo+json"));
        HttpReply problem = HttpReply::text(sampleText("alerts-error-500-2021.json").toUtf8(), "application/problem+json");
        problem.status = 500;
        server.route(kMaineAlerts, problem);
    }

    // Panel 1 as it reads whenever the update's control starts a new
    // state, before the control's own text replaces it: the texts the
    // update writes between its requests.
    void recordStatusTexts()
    {
        Form1& main = form1();
        QObject::disconnect(main.Inet2, &InetControl::StateChanged, &main, &Form1::Inet2_StateChanged);
        QObject::connect(main.Inet2, &InetControl::StateChanged, &main,
                         [this, &main](int) { statusTexts << main.panelText(1); });
        QObject::connect(main.Inet2, &InetControl::StateChanged, &main, &Form1::Inet2_StateChanged);
    }

    int requests(const QByteArray& target) const { return fetches->targets().count(target); }

    Row row(int slot) const
    {
        Form1& main = form1();
        Row captions;
        for (auto* column : {&main.Label3, &main.Label4, &main.Label5, &main.Label6, &main.Label7, &main.Label8,
                             &main.Label9, &main.Label10})
            captions << (*column)[slot]->text();
        return captions;
    }

    // The rows, the update's short log lines (the last ten lines of the
    // log, one per station in slot order: the row's readings, or no report
    // for a station that this update did not read, whatever its row shows),
    // the closing text that names those, and the hand-over of Anchorage.
    void expectRows(const std::array<Row, 10>& rows, const QList<int>& notRead, qsizetype logLines,
                    const QString& closing)
    {
        for (int slot = 0; slot < 10; ++slot)
            EXPECT_EQ(row(slot).join(" | ").toStdString(), rows[slot].join(" | ").toStdString()) << "slot " << slot;
        const QStringList log = readFile("Log/CV_Log.txt").split("\r\n", Qt::SkipEmptyParts);
        ASSERT_EQ(log.size(), logLines);
        const QStringList lines = log.mid(logLines - 10);
        for (int slot = 0; slot < 10; ++slot) {
            const Row& r = notRead.contains(slot) ? kNotAvailable : rows[slot];
            const QString& line = lines[slot];
            EXPECT_TRUE(line.startsWith("|" + kWatchList[slot] + "|")) << line.toStdString();
            EXPECT_TRUE(line.endsWith("|" + r.mid(0, 6).join('|') + "|" + r[7] + "|" + r[6] + "|"))
                << line.toStdString();
        }

        Form1& main = form1();
        Weather& compact = weather();
        EXPECT_EQ(compact.Place->text(), "ANCHORAGE");
        EXPECT_EQ(compact.Conditions->text(), rows[2][0]);
        EXPECT_EQ(compact.Temp->text(), rows[2][1]);
        EXPECT_EQ(foreColor(compact.Temp), kBlue); // below 60
        EXPECT_EQ(compact.DewPoint->text(), rows[2][6]);
        EXPECT_EQ(compact.Wind->text(), "Wind: " + rows[2][4]);
        EXPECT_EQ(backColor(compact.Label1[0]), kGreen); // Anchorage's lamp: no warnings
        EXPECT_EQ(compact.LastUp->text(), main.panelText(3));
        EXPECT_EQ(wethWind().Label2[6]->text(), "Updated");
        EXPECT_EQ(TrayIcons::instance().tip(1), "ANCHORAGE - " + rows[2][0] + " - " + rows[2][1]);
        EXPECT_EQ(main.panelText(1), closing);
        EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d [AP]M$").match(main.panelText(3)).hasMatch())
            << main.panelText(3).toStdString();
        EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d$").match(program().LastUpdate).hasMatch());
    }

    LocalHttpServer server;
    std::optional<FetchLog> fetches;
    bool secondUpdate = false;
    bool texasFails = false;
    QStringList statusTexts;
};

} // namespace

TEST_F(MixedSourcesUpdateTest, EveryKindOfSourceInEnglishUnits)
{
    Form1& main = form1();
    main.RNow_Click();

    expectRows(kEnglishRows, kPortlandNotRead, 10, kPortlandNotUpdated);
    EXPECT_EQ(main.Label2[6]->text(), "TOLEDO");
    EXPECT_EQ(main.Label2[0]->toolTip(), "DALLAS, Texas ");

    // Dallas and Austin stand next to each other and share one request;
    // Waco, further down, asks for the same page again.
    EXPECT_EQ(requests(kTexas), 2);
    EXPECT_EQ(requests(kPortalEnglish), 1);
    for (const QByteArray& page : {kAlaska, kHawaii, kHourly, kWorld, kSingapore, kMaine})
        EXPECT_EQ(requests(page), 1) << page.constData();
    EXPECT_TRUE(statusTexts.contains("Corvane Request UnSuccessful")); // Maine's empty answer

    // Alerts: one answer per state serves Dallas, Austin and Waco (after
    // Anchorage's); Maine's is an error body. The Hawaii list has none,
    // and the other sources are never asked.
    for (const QByteArray& alerts : {kTexasAlerts, kAlaskaAlerts, kMaineAlerts})
        EXPECT_EQ(requests(alerts), 1) << alerts.constData();
    EXPECT_EQ(fetches->targets().size(), 12);
    const ColorValue lamps[10] = {kRed, kRed, kGreen, kButtonFaceColor, kRed, kButtonFaceColor, kButtonFaceColor,
                               kButtonFaceColor, kButtonFaceColor, kButtonFaceColor};
    for (int slot = 0; slot < 10; ++slot) {
        EXPECT_EQ(backColor(main.S_Warning[slot]), lamps[slot]) << "slot " << slot;
        EXPECT_EQ(program().WarnFlag[slot], slot == 0) << "slot " << slot; // only Dallas is named
        EXPECT_EQ(program().WarnSound[slot], slot == 0) << "slot " << slot;
    }
    // The compact window's next tick puts up the tray's alert icon.
    weather().Timer2_Timer();
    EXPECT_TRUE(TrayIcons::instance().shown(2));
}

// The sources are told apart by their own addresses alone: keys named as
// the old markers, set to the host of every page here, would otherwise make
// each station a Hawaii list or a portal page, or start Dallas's search at
// the page's top (where a heading names Dallas).
TEST_F(MixedSourcesUpdateTest, KeysOfTheOldSourceMarkersChangeNoReading)
{
    for (const char* key :
         {"portalHost", "hawaiiListHost", "worldListMarker", "singaporeMarker", "decodedHourlyHost", "roundupBase"})
        SaveSetting("Sources", key, "127.0.0.1");
    form1().RNow_Click();
    expectRows(kEnglishRows, kPortlandNotRead, 10, kPortlandNotUpdated);
}

// The second update, in metric units: the Texas request fails at Dallas, so
// Dallas and Austin (which shares its page) parse the page of the first
// update again; Waco's own request gets a new page; Singapore's empty answer
// keeps its earlier page; the portal is asked for its metric page. The
// stations shown from earlier pages are named, and logged without a report.
TEST_F(MixedSourcesUpdateTest, AFailedRequestAndAnEmptyAnswerKeepTheEarlierPagesInMetricUnits)
{
    Form1& main = form1();
    main.RNow_Click();
    server.route(kSingapore, HttpReply::text(""));
    secondUpdate = texasFails = true;
    statusTexts.clear();

    main.TempD_Click(1);

    expectRows({Row{"PTCLDY", "22", "12", "55", "S19G32", "1016R", "HAZE", "NR"},
                Row{"SUNNY", "26", "10", "35", "CALM", "1018F", "", "NR"},
                Row{"LGT SNOW", "-12", "N/A", "85", "N24G40", "1011F", "W/C  -5  Vis 10", "NR"},
                Row{"MOSUNNY", "28", "20", "59", "NR", "1017R", "HAZE", "NR"},
                Row{"CLOUDY", "10", "4", "73", "N16", "1019R", "", "NR"},
                Row{"PTCLOUDY", "22", "10", "46", "W27G37", "1013", "", "NA"},
                Row{"RAIN", "11", " 6", " 81", "NW19kmh", "NR", "", "NA"},
                Row{"CLOUDY", "15", "NA", "NA", "NA", "NA", "NA", "NA"},
                Row{"THUNDERY SHOWERS", "31/25", "NA", "NA", "NA", "NA", "NA", "NA"}, kNotAvailable},
               {0, 1, 8, 9}, 20, "Ready..... Not updated: \"DALLAS\", \"AUSTIN\", \"CHANGI\", \"PORTLAND\"");
    EXPECT_EQ(requests(kTexas), 4);
    EXPECT_EQ(requests(kPortalMetric), 1);
    EXPECT_EQ(requests(kSingapore), 2);
    EXPECT_TRUE(statusTexts.contains("Site is currently UnAvailable, Waiting to check next site."));
    EXPECT_TRUE(statusTexts.contains("Corvane Request UnSuccessful"));
}

// After a switch to metric units the portal is asked for its Celsius page;
// when that fails, the Fahrenheit page kept from the update before is not
// read again as if it were the Celsius one: Toledo is a station not read.
TEST_F(MixedSourcesUpdateTest, APortalPageOfTheOtherUnitIsNotReadAgain)
{
    Form1& main = form1();
    main.RNow_Click();
    server.route(kPortalMetric, HttpReply::of(HttpReply::Mode::CloseWithoutAnswer));
    main.Option1_Click(6); // the small windows show Toledo

    main.TempD_Click(1);

    EXPECT_EQ(row(6).join(" | ").toStdString(), kNotAvailable.join(" | ").toStdString());
    const QStringList log = readFile("Log/CV_Log.txt").split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(log.size(), 20);
    EXPECT_TRUE(log[16].startsWith("|Ohio - Toledo|") && log[16].endsWith("|NOT AVBL||||||NR||"))
        << log[16].toStdString();
    EXPECT_EQ(main.panelText(1), "Ready..... Not updated: \"TOLEDO\", \"PORTLAND\"");
    EXPECT_EQ(weather().Temp->text(), "");
    EXPECT_EQ(weather().Wind->text(), "Wind: ");
    EXPECT_EQ(weather().LastUp->text(), "");
    EXPECT_EQ(wethWind().Label2[6]->text(), "Not Updated");
}
