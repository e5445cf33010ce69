// A handler run while a page command waits for its page leaves the program
// standing, and a program that began to close shows nothing more. (The
// commands copy the station's place and address before they wait.)
#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "options/options_dialog.h"
#include "pages/forecast_window.h"
#include "pages/info_windows.h"
#include "pages/pages_test_support.h"
#include "pages/storm_window.h"
#include "pages/text_viewer.h"
#include "platform/waits.h"
#include "settings/program_state.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <functional>
#include <utility>

namespace {

struct WaitCase {
    const char* name;
    std::function<void()> command;
    QByteArray path;              // the request it waits on
    std::function<void()> during; // run inside that wait
    const char* shown;            // what is left on screen (PageWaitTest::shown)
};
void PrintTo(const WaitCase& c, std::ostream* out) { *out << c.name; }

void shutDown() { form1().Exit_Click(); }
void station(int item) { form1().StateInfo[item]->trigger(); }
const QByteArray kLastSeason =
    "/datacompanysite/hurricane/atlantic/" + QByteArray::number(QDate::currentDate().year() - 1) + "/index.html";

const WaitCase kCases[] = {
    {"ZoneForecastThenShutDown", [] { station(0); }, "/tx/zone.html", shutDown, ""},
    {"StateForecastThenShutDown", [] { station(1); }, "/tx/state.html", shutDown, ""},
    {"PlanetsThenShutDown", [] { form1().mnuSmPrS->trigger(); }, "/PlanetReportSite/weatherf/PLANETSF_qx01",
     shutDown, ""},
    {"WeatherHistoryThenShutDown", [] { station(5); }, "/TriviaPortalSite/weather/trivia/", shutDown, ""},
    {"NewsThenShutDown", [] { form1().LatestNews->trigger(); }, "/home/news.txt", shutDown, ""},
    {"VersionCheckThenShutDown", [] { form1().CVVersion->trigger(); }, "/home/version.nfo", shutDown, ""},
    {"StormSeasonThenWindowClosed", [] { form1().Cycloned[0]->trigger(); form8().List2->setCurrentRow(1); },
     kLastSeason, [] { form8().close(); }, ""},
};

class PageWaitTest : public PagesTest, public ::testing::WithParamInterface<WaitCase> {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        program().SlotURL[0] = server.url("/tx/obs.html");
        form1().Label2[0]->setText("DALLAS");
        program().PopupSlot = 0;
        form2().Text2->setText("02134"); // the planets' ZIP code
        about().Label4->setText(server.url("/home"));
    }
    QString shown()
    {
        QStringList seen;
        for (const MessageRequest& box : messages)
            seen << box.text;
        if (form4Loaded())
            seen << form4().windowTitle();
        if (wForcastLoaded())
            seen << wForcast().Text1->toPlainText().section('\n', 0, 0).trimmed();
        if (form8Loaded())
            seen << "the closed window";
        return seen.join(" | ");
    }
};

} // namespace

TEST_P(PageWaitTest, AHandlerRunInsideTheWaitLeavesTheProgramStanding)
{
    const WaitCase& c = GetParam();
    bool handled = false;
    server.route(c.path, [&](const HttpRequestRecord&) {
        if (!std::exchange(handled, true))
            c.during();
        return HttpReply::text("TXZ102-DALLAS-\r\n.TONIGHT...WINDY.\r\n$$\r\n");
    });
    c.command();
    DoEvents(); // a window closed inside the wait is released
    EXPECT_TRUE(handled);
    EXPECT_EQ(shown(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(PageCommands, PageWaitTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
