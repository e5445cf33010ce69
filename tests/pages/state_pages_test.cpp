#include "pages/state_forecast.h"
#include "pages/state_warnings.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/forecast_window.h"
#include "pages/text_viewer.h"
#include "pages_test_support.h"
#include "settings/program_state.h"

#include <QLabel>
#include <QPlainTextEdit>

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
};

const QString kFooter(138, '~');

} // namespace

TEST_F(StatePagesTest, StationsWithoutRegionalPagesAndFailedFetchesSaySo)
{
    const QStringList both{"Forecast Not Available!", "Warnings Not Available!"};
    struct Case {
        const char* name;
        QString url;
        QByteArray page; // served for every regional page
    } cases[] = {
        {"Hawaii list", "https://www.mkwc.ifa.hawaii.edu/obs/x.html", ""},
        {"empty address", "", ""},
        {"address without a folder", "https://host.example", ""},
        {"server has no such page", server.url("/tx/obs.html"), "<h1>Page Not found</h1>"},
        {"mapping server error", server.url("/tx/obs.html"), "Mapping Server Error"},
        {"site unreachable", refusedRoot() + "/tx/obs.html", ""},
    };
    for (const Case& c : cases) {
        station(c.url, "DALLAS");
        for (const char* page : {"/tx/state.html", "/tx/zone.html", "/tx/allwarnings.html"})
            server.route(page, HttpReply::text(c.page));
        Show_State_Forecast(0);
        Show_State_Warnings(0);
        EXPECT_EQ(takeMessages(), both) << c.name;
        EXPECT_FALSE(form4Loaded()) << c.name;
    }

    // The zone forecast tests only "NOT FOUND"; a failed fetch finds no forecast.
    station(server.url("/tx/obs.html"), "DALLAS");
    server.route("/tx/zone.html", HttpReply::text("NOT FOUND"));
    Show_City_Forecast(0);
    EXPECT_EQ(takeMessages(), QStringList{"Forecast Not Available!"});
    station(refusedRoot() + "/tx/obs.html", "DALLAS");
    Show_City_Forecast(0);
    EXPECT_EQ(wForcast().Text1->toPlainText(), "Sorry, No Forecast for DALLAS at this time.\n");
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

TEST_F(StatePagesTest, WarningsOpenWithThePlaceSelected)
{
    server.route("/tx/allwarnings.html",
                 HttpReply::text("<b>WIND ADVISORY</b> FOR COLLIN...DALLAS...DALLAS COUNTY\r\n" + kFooter.toLatin1()));
    Show_State_Warnings(0);
    EXPECT_EQ(form4().windowTitle(), "Corvane State Wide Warnings");
    EXPECT_EQ(form4().Text1->textCursor().selectionStart(), 27);
    EXPECT_EQ(selected(), "DALLAS");

    form1().Label2[0]->setText("WACO");
    Show_State_Warnings(0);
    EXPECT_TRUE(selected().isEmpty());

    server.route("/tx/allwarnings.html", HttpReply::text("All Warnings are not currently available"));
    Show_State_Warnings(0);
    EXPECT_EQ(form4().text(), "No Current Warnings for WACO");
    EXPECT_EQ(selected(), "WACO");
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
