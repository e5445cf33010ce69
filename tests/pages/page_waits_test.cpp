// Every page command waits for its page while window events run. A handler
// run inside that wait may close the program, close the command's window,
// choose the command again or empty the watch list: the command must then
// end without touching what went away, and show nothing once the program is
// closing.
#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "pages/forecast_window.h"
#include "pages/horoscope_window.h"
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
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

struct WaitCase {
    const char* name;
    std::function<void()> start;  // the page command
    QByteArray path;              // the request it waits on
    QByteArray page;              // the answer, sent after `during` has run
    std::function<void()> during; // run inside the wait
    const char* shownAfter;       // what the user sees at the end (see PageWaitTest::shown)
};

void shutDown() { form1().Exit_Click(); }
void stationCommand(int item) { form1().StateInfo[item]->trigger(); }
void chooseStormYear(const QString& year)
{
    form8().List2->setCurrentItem(form8().List2->findItems(year, Qt::MatchExactly).value(0));
}
void openStormsAndChoose1998()
{
    form1().Cycloned[0]->trigger();
    chooseStormYear("1998");
}

const QByteArray kZone = "TXZ102-DALLAS-\r\n.TONIGHT...WINDY.\r\n$$\r\n";
const QByteArray kSeason = "/datacompanysite/hurricane/atlantic/1998/";

const WaitCase kCases[] = {
    {"ZoneForecastThenShutDown", [] { stationCommand(0); }, "/tx/zone.html", kZone, shutDown, ""},
    {"ZoneForecastChosenAgain", [] { stationCommand(0); }, "/tx/zone.html", kZone, [] { stationCommand(0); },
     "modal window | forecast window: FORECAST FOR DALLAS"},
    {"ZoneForecastThenWatchListEmptied", [] { stationCommand(0); }, "/tx/zone.html", kZone,
     [] {
         form2().Command1_Click(3); // "Delete All"
         form2().Command1_Click(4); // "Save && No Refresh"
     },
     "modal window | forecast window: FORECAST FOR DALLAS"},
    {"StateForecastThenShutDown", [] { stationCommand(1); }, "/tx/state.html", "FORECAST", shutDown, ""},
    {"StateForecastThenTextWindowClosed",
     [] {
         showInViewer("Earlier text", "earlier");
         stationCommand(1);
     },
     "/tx/state.html", "FORECAST", [] { form4().close(); }, "text window: Corvane State Wide Forecast"},
    {"PlanetsThenShutDown", [] { form1().mnuSmPrS->trigger(); }, "/PlanetReportSite/weatherf/PLANETSF_qx01",
     "<tr><td><pre>\r\nMARS</pre></td>", shutDown, ""},
    {"WeatherHistoryThenShutDown", [] { stationCommand(5); }, "/TriviaPortalSite/weather/trivia/",
     "Daily Weather Trivia x Search for local weather", shutDown, ""},
    {"NewsThenShutDown", [] { form1().LatestNews->trigger(); }, "/home/news.txt", "Radar maps are back.", shutDown, ""},
    {"VersionCheckThenShutDown", [] { form1().CVVersion->trigger(); }, "/home/version.nfo", "9.0", shutDown, ""},
    {"HoroscopeThenWindowClosed", [] { form1().mnuHoro[4]->trigger(); }, "/HoroscopePortalSite/horoscopes/today/le",
     "no horoscope", [] { horoscope().close(); }, ""},
    {"HoroscopeThenShutDown", [] { form1().mnuHoro[4]->trigger(); }, "/HoroscopePortalSite/horoscopes/today/le",
     "no horoscope", shutDown, ""},
    {"StormSeasonThenWindowClosed", openStormsAndChoose1998, kSeason + "index.html", "<PRE> # Name\n</PRE>",
     [] { form8().close(); }, ""},
    {"StormMapThenWindowClosed", openStormsAndChoose1998, kSeason + "track.gif", "no picture",
     [] { form8().close(); }, ""},
    {"StormSeasonThenOtherAreaChosen", openStormsAndChoose1998, kSeason + "index.html",
     "<PRE> # Name\n  1 STORM OF 1998\n</PRE>", [] { form8().List1->setCurrentRow(1); },
     "storms: 1 STORM OF 1998"},
    {"StormSeasonThenShutDown", openStormsAndChoose1998, kSeason + "index.html", "<PRE> # Name\n</PRE>", shutDown,
     ""},
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

    // The boxes and windows that the command left for the user.
    QString shown()
    {
        QStringList seen;
        for (const MessageRequest& box : messages)
            seen << "box: " + box.text;
        for (int i = 0; i < modalShown.size(); ++i)
            seen << "modal window";
        if (form4Loaded() && form4().isVisible())
            seen << "text window: " + form4().windowTitle();
        if (wForcastLoaded())
            seen << "forecast window: " + wForcast().Text1->toPlainText().section('\n', 0, 0).trimmed();
        if (horoscopeLoaded() && horoscope().isVisible())
            seen << "horoscope: " + horoscope().Text1->toPlainText();
        if (form8Loaded() && form8().isVisible() && form8().List3->count() > 0)
            seen << "storms: " + form8().List3->item(0)->text().trimmed();
        return seen.join(" | ");
    }
};

} // namespace

TEST_P(PageWaitTest, AHandlerRunInsideTheWaitLeavesTheProgramStanding)
{
    const WaitCase& c = GetParam();
    bool handled = false;
    server.route(c.path, [&](const HttpRequestRecord&) {
        if (!handled) {
            handled = true;
            c.during();
        }
        return HttpReply::text(c.page);
    });
    c.start();
    DoEvents(); // windows closed inside the wait are released
    EXPECT_TRUE(handled);
    EXPECT_EQ(shown(), c.shownAfter);
}

INSTANTIATE_TEST_SUITE_P(PageCommands, PageWaitTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<WaitCase>& info) { return std::string(info.param.name); });
