#include "pages/state_forecast.h"
#include "pages/state_warnings.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "pages/forecast_window.h"
#include "pages/text_viewer.h"
#include "pages_test_support.h"
#include "settings/program_state.h"
#include "settings/settings_record.h"
#include "support/fetch_log.h"
#include "support/samples.h"
#include "update/state_codes.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <algorithm>

namespace {

class StatePagesTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        station(server.url("/tx/obs.html"), "DALLAS");
    }
    void station(const QString& url, const QString& place)
    {
        program().SlotURL[0] = url;
        form1().Label2[0]->setText(place);
    }
    // The texts of the message boxes shown since the last call.
    QStringList takeMessages()
    {
        QStringList texts;
        for (const MessageRequest& m : messages) {
            EXPECT_EQ(m.title, "Corvane");
            texts << m.text;
        }
        messages.clear();
        return texts;
    }
    QString selected() const { return form4().Text1->textCursor().selectedText(); }
    // Slot 0 watches the entry at the address, and the state's active alerts
    // are this answer.
    void watch(const QString& entry, const QString& place, const QString& url, const HttpReply& answer)
    {
        form2().List3->clear();
        addWatchEntry(form2().List3, entry, false);
        station(url, place);
        server.route("/api/alerts/active?area=" + issuedByCode(url).toUtf8(), answer);
    }
    QString roundup(const QString& stateCode) const
    {
        return server.url("/product.php?site=NWS&issuedby=" + stateCode + "&product=RWR");
    }
    static HttpReply alerts(const QString& sample)
    {
        return HttpReply::text(sampleText(sample).toUtf8(), "application/geo+json");
    }
};

const QString kFooter(138, '~');

} // namespace

TEST_F(StatePagesTest, StationsWithoutRegionalPagesAndFailedFetchesSaySo)
{
    struct Case {
        const char* name;
        QString url;
        QByteArray page; // served for every regional page
        int status = 200;
    } cases[] = {
        {"Hawaii list", "https://www.mkwc.ifa.hawaii.edu/obs/x.html", ""},
        {"empty address", "", ""},
        {"address without a folder", "https://host.example", ""},
        {"server has no such page", server.url("/tx/obs.html"), "<h1>Page Not found</h1>"},
        {"mapping server error", server.url("/tx/obs.html"), "Mapping Server Error"},
        {"error status", server.url("/tx/obs.html"), "<h1>Service Unavailable</h1>", 503},
        {"site unreachable", refusedRoot() + "/tx/obs.html", ""},
    };
    for (const Case& c : cases) {
        station(c.url, "DALLAS");
        HttpReply reply = HttpReply::text(c.page);
        reply.status = c.status;
        for (const char* page : {"/tx/state.html", "/tx/zone.html"})
            server.route(page, reply);
        Show_State_Forecast(0);
        EXPECT_EQ(takeMessages(), QStringList{"Forecast Not Available!"}) << c.name;
        EXPECT_FALSE(form4Loaded()) << c.name;
    }

    // The zone forecast tests only "NOT FOUND" in a page that came; a page
    // that did not come is no forecast read.
    server.route("/tx/zone.html", HttpReply::text("NOT FOUND"));
    HttpReply errorPage = HttpReply::text("OKZ102-DALLAS-\n.TONIGHT...OUR FORECASTS ARE DOWN.\n$$");
    errorPage.status = 404;
    server.route("/ok/zone.html", errorPage);
    for (const QString& url : {server.url("/tx/obs.html"), server.url("/ok/obs.html"), refusedRoot() + "/tx/obs.html"}) {
        station(url, "DALLAS");
        Show_City_Forecast(0);
        EXPECT_EQ(takeMessages(), QStringList{"Forecast Not Available!"}) << url.toStdString();
        EXPECT_EQ(modalShown.size(), 0u) << url.toStdString();
    }
}

TEST_F(StatePagesTest, StateForecastShowsTheBulletinWithoutMarkup)
{
    server.route("/tx/state.html",
                 HttpReply::text("<pre>STATE FORECAST\r\nNNNN\r\nTEXAS: SUNNY.\r\n\r\n\r\n\r\nEND$$</pre>" + kFooter.toLatin1()));
    Show_State_Forecast(0);
    EXPECT_EQ(form4().windowTitle(), "Corvane State Wide Forecast");
    EXPECT_EQ(form4().text(), "STATE FORECAST\r\n\r\nTEXAS: SUNNY.\r\n\r\nEND");
    EXPECT_EQ(form1().panelText(1), "Text Processing Complete");
}

TEST_F(StatePagesTest, ZoneForecastOfTheStationsStateInTheForecastWindow)
{
    station(server.url("/tx/obs.html"), "DALLAS HEIGHTS");
    server.route("/tx/zone.html", HttpReply::text("TXZ102-DALLAS-\n.TONIGHT...CLEAR.\n.SUNDAY...WARM.\n$$"));
    Show_City_Forecast(0);
    EXPECT_EQ(modalShown.size(), 1u);
    EXPECT_EQ(wForcast().Text1->toPlainText(),
              QString(49, ' ') + "FORECAST FOR DALLAS HEIGHTS\n\n102-DALLAS-\nTONIGHT...CLEAR.\nSUNDAY...WARM.");
    EXPECT_EQ(form1().panelText(1), "Text Processing Complete");

    wForcast().Text1_Click();
    server.route("/tx/zone.html", HttpReply::text("TXZ102-DALLAS- no end"));
    Show_City_Forecast(0);
    EXPECT_EQ(wForcast().Text1->toPlainText(), "Sorry, City Forecast Not Available.");
}

TEST_F(StatePagesTest, WarningsNotAvailableWithoutAStateOrItsAlerts)
{
    HttpReply problem = alerts("alerts-error-500-2021.json");
    problem.status = 500;
    struct Case {
        const char* entry;
        QString url;
        QString alertsService;
        int fetches;
    } cases[] = {
        {"World - PARIS", server.url("/weather.uwyo.edu/world.txt"), server.url("/api"), 0},
        {"Texas - DALLAS", roundup("TX"), server.url("/api"), 1},  // an error body
        {"Texas - DALLAS", roundup("TX"), refusedRoot(), 1},       // no connection
        {"Hawaii - HILO", "https://www.mkwc.ifa.hawaii.edu/obs/x.html", server.url("/api"), 0},
    };
    for (const Case& c : cases) {
        watch(c.entry, "DALLAS", c.url, problem);
        SaveSetting("Sources", "alertsService", c.alertsService);
        const FetchLog fetches(*form1().Inet1, server);
        Show_State_Warnings(0);
        EXPECT_EQ(takeMessages(), QStringList{"Warnings Not Available!"}) << c.entry;
        EXPECT_FALSE(form4Loaded()) << c.entry;
        EXPECT_EQ(fetches.targets().size(), c.fetches) << c.entry;
    }
}

TEST_F(StatePagesTest, WarningsShowEveryAlertOfTheStateWithThePlaceSelected)
{
    watch("Montana - BOZEMAN", "BOZEMAN", roundup("MT"), alerts("alerts-active-MT-2024-03-05.json"));
    Show_State_Warnings(0);
    EXPECT_EQ(form4().windowTitle(), "Corvane State Wide Warnings");
    EXPECT_EQ(form1().panelText(1), "Text Processing Complete");
    const QStringList blocks = form4().text().split("\r\n\r\n" + QString(60, '-') + "\r\n\r\n");
    ASSERT_EQ(blocks.size(), 2);
    EXPECT_TRUE(blocks[1].startsWith("Winter Weather Advisory\r\n"
                                     "Winter Weather Advisory issued March 4 at 5:04PM MST until March 6 at 5:00AM "
                                     "MST by NWS Great Falls MT\r\n"
                                     "Areas: Madison River Valley; Ruby Mountains and Southern Beaverhead Mountains\r\n"
                                     "\r\n* WHAT...Snow expected."));
    EXPECT_TRUE(blocks[1].endsWith("reduce visibility.\r\n\r\nSlow down and use caution while traveling. The latest "
                                   "road\r\nconditions can be obtained by calling 5 1 1 or visiting the MDT Road\r\n"
                                   "Report website."));
    EXPECT_TRUE(selected().isEmpty()); // Bozeman is not named

    // Kona is, first among the areas; an alert without instructions has none.
    watch("Hawaii - KONA", "KONA", roundup("HI"), alerts("alerts-active-HI-2026-09-25-excerpt.json"));
    Show_State_Warnings(0);
    EXPECT_EQ(selected(), "Kona");
    const QString shown = form4().Text1->toPlainText();
    EXPECT_EQ(form4().Text1->textCursor().selectionStart(), shown.indexOf("Areas: ") + 88);
    EXPECT_TRUE(form4().text().endsWith("or sooner if conditions\r\nwarrant."));

    // The office that issues an alert names no place, in its headline or as
    // it says so in the description.
    watch("Hawaii - HONOLULU", "HONOLULU", roundup("HI"), alerts("alerts-active-HI-2026-09-25-excerpt.json"));
    Show_State_Warnings(0);
    EXPECT_TRUE(selected().isEmpty());
    const QByteArray jackson =
        R"({"features": [{"properties": {"event": "Tornado Warning", "senderName": "NWS Jackson MS",)"
        R"( "headline": "Tornado Warning issued May 2 by NWS Jackson MS", "areaDesc": "Rankin, MS",)"
        R"( "description": "The National Weather Service in Jackson has issued a warning.\nDamage)"
        R"( is expected near Jackson."}}]})";
    watch("Mississippi - JACKSON", "JACKSON", roundup("MS"), HttpReply::text(jackson, "application/geo+json"));
    Show_State_Warnings(0);
    EXPECT_EQ(selected(), "Jackson");
    EXPECT_EQ(form4().Text1->textCursor().selectionStart(), form4().Text1->toPlainText().lastIndexOf("Jackson"));

    watch("Texas - WACO", "WACO", roundup("TX"), alerts("alerts-active-TX-2024-05-none.json"));
    Show_State_Warnings(0);
    EXPECT_EQ(form4().text(), "No watches, warnings or advisories are in effect for Texas.");
    EXPECT_TRUE(selected().isEmpty());

    // A description of one line of megabytes, of words and then of letters
    // alone, is shown in lines of at most 1,000 characters, broken at
    // blanks where there are any: the words and the place are all there.
    const QByteArray words = QByteArray("a ").repeated(1'000'000) + "Dallas " + QByteArray(2500, 'x');
    watch("Texas - DALLAS", "DALLAS", roundup("TX"),
          HttpReply::text(R"({"features": [{"properties": {"event": "Flood Warning", "description": ")" + words
                              + R"("}}]})",
                          "application/geo+json"));
    Show_State_Warnings(0);
    const QStringList lines = form4().Text1->toPlainText().split('\n');
    EXPECT_LE(std::ranges::max(lines, {}, &QString::size).size(), 1000);
    EXPECT_EQ(lines.join(' ').remove(' '), QString::fromLatin1("Flood Warning" + words).remove(' '));
    EXPECT_EQ(selected(), "Dallas");
}
