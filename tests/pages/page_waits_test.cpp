// A program closed while a page command waits for its page shows nothing
// more. (The commands copy the station's place and address before they
// wait; the storm window's own waits are tested with that window.)
#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "options/options_dialog.h"
#include "pages/forecast_window.h"
#include "pages/pages_test_support.h"
#include "pages/text_viewer.h"
#include "settings/program_state.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <utility>

namespace {

struct WaitCase {
    const char* name;
    std::function<void()> command;
    QByteArray path; // the request it waits on
    QByteArray body = "TXZ102-DALLAS-\r\n.TONIGHT...WINDY.\r\n$$\r\n";
};
void PrintTo(const WaitCase& c, std::ostream* out) { *out << c.name; }

void station(int item) { form1().StateInfo[item]->trigger(); }

const WaitCase kCases[] = {
    {"ZoneForecast", [] { station(0); }, "/tx/zone.html"},
    {"StateForecast", [] { station(1); }, "/tx/state.html"},
    {"StateWarnings", [] { station(2); }, "/api/alerts/active", R"({"features": []})"},
    {"Planets", [] { form1().mnuSmPrS->trigger(); }, "/PlanetReportSite/weatherf/PLANETSF_qx01"},
    {"WeatherHistory", [] { station(5); }, "/TriviaPortalSite/weather/trivia/"},
    {"News", [] { form1().LatestNews->trigger(); }, "/home/news.txt"},
    {"VersionCheck", [] { form1().CVVersion->trigger(); }, "/home/version.nfo"},
};

class PageWaitTest : public PagesTest, public ::testing::WithParamInterface<WaitCase> {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        program().SlotURL[0] = server.url("/tx/obs.html?issuedby=TX");
        form1().Label2[0]->setText("DALLAS");
        program().PopupSlot = 0;
        form2().Text2->setText("02134"); // the planets' ZIP code
        about().Label4->setText(server.url("/home"));
    }
};

} // namespace

TEST_P(PageWaitTest, AProgramClosedInsideTheWaitShowsNothingMore)
{
    bool closed = false;
    server.route(GetParam().path, [&closed](const HttpRequestRecord&) {
        if (!std::exchange(closed, true))
            form1().Exit_Click();
        return HttpReply::text(GetParam().body);
    });
    GetParam().command();
    EXPECT_TRUE(closed);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(form4Loaded());
    EXPECT_FALSE(wForcastLoaded());
}

INSTANTIATE_TEST_SUITE_P(PageCommands, PageWaitTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
