#include "pages/feature_pages.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/state_warnings.h"
#include "pages/text_viewer.h"
#include "platform/inet_control.h"
#include "pages_test_support.h"

#include <QPlainTextEdit>

namespace {

struct FeatureCase {
    const char* name;
    FeaturePage page;
    QString html;
    QString shown;
};

const QString kProblem = "Problem Encountered.  Please try again later.";

QString skyGuideLines()
{
    return "Check out this site:\r\n" + sites::SkyGuideHomePage() + "\r\n for more information like this.\r\n";
}

} // namespace

TEST(FeaturePageText, CleansAndCutsEachPageBetweenItsMarkers)
{
    const QDate march(2024, 3, 5);
    // A page far bigger than the sites send, cleaned in one pass.
    const QString tags = QString("<b>&#38;").repeated(2000000);
    const FeatureCase cases[] = {
        {"paragraph marks end as a blank, a break and five blanks, twice without an empty line",
         FeaturePage::WeatherHistory,
         "<p>Daily Weather Trivia</p>\nX&nbsp;&nbsp;Hail\n\n\nfell.\nSearch for local weather",
         "X \r\n      \r\n     Hail  \r\nfell.\r\n"},
        {"trivia end marker missing", FeaturePage::WeatherHistory, "Daily Weather Trivia: hail", kProblem},
        {"a tag that never closes", FeaturePage::WeatherHistory,
         "Daily Weather Trivia x Search for local weather <b", kProblem},
        {"weekly page: references gone, runs to the third of five returns, home page appended",
         FeaturePage::SkyThisWeek,
         "<b>Tips for backyard outings</b>:\r\n\r\nMoon&#8217;s close\rto Venus\x0b tonight.\r\r\r\r\rOlder",
         "Moons close\r\nto Venus  tonight.\r\n\r\n\r\n" + skyGuideLines()},
        {"weekly page without five returns", FeaturePage::SkyThisWeek, "backyard outings: Moon\r\r\r\r", kProblem},
        {"a reference that never closes", FeaturePage::SkyThisWeek, "backyard outings &#8217 x", kProblem},
        {"monthly page starts at the month's second mention, ends before any case of 'choose'",
         FeaturePage::SkyThisMonth,
         "<h1>March 2024</h1> Sky\tcalendar\r\nMarch 2024\r\nMoon\tnew on 10th.\r\nchoose another month",
         "March 2024\r\n\nMoonnew on 10th.\r\n\n" + skyGuideLines()},
        {"monthly page naming the month once", FeaturePage::SkyThisMonth, "March 2024 Moon. CHOOSE", kProblem},
        {"history page: markers in any case, references joined by a removal removed too",
         FeaturePage::TodayInHistory,
         "<b>Date in History:</b> 1969 &#8212;Moon A&&#38;#65;B landing.\nReuters/Variety",
         "1969 Moon AB landing.\r\n"},
        {"history page without its end", FeaturePage::TodayInHistory, "DATE IN HISTORY: 1969", kProblem},
        {"a huge page", FeaturePage::TodayInHistory, "DATE IN HISTORY: 1969" + tags + " Moon landing.REUTERS/VARIETY",
         "1969 Moon landing."},
    };
    for (const FeatureCase& c : cases)
        EXPECT_EQ(featurePageText(c.page, c.html, march), c.shown) << c.name;
}

using FeaturePagesTest = PagesTest;

TEST_F(FeaturePagesTest, EachPageReplacesTheViewersCaptionAndText)
{
    server.route("/TriviaPortalSite/weather/trivia/",
                 HttpReply::text("Daily Weather Trivia Hail fell.\nSearch for local weather"));
    server.route("/NewsWireSite/mynews/news/story.adp",
                 HttpReply::text("DATE IN HISTORY: 1969 Moon landing.REUTERS/VARIETY"));

    Show_Weather_History();
    EXPECT_EQ(form4().windowTitle(), "Today in Weather History");
    EXPECT_EQ(form4().Text1->toPlainText(), "Hail fell.\n");
    EXPECT_EQ(form1().panelText(1), "Text Processing Complete");
    EXPECT_TRUE(form4().isVisible());

    Form4* first = &form4();
    History_Click();
    EXPECT_EQ(&form4(), first);
    EXPECT_EQ(form4().windowTitle(), "Today In History");
    EXPECT_EQ(form4().Text1->toPlainText(), "1969 Moon landing.");
    EXPECT_EQ(server.requests().back().target, "/NewsWireSite/mynews/news/story.adp?mnsid=RTR%2FPEOPLE-HISTORY%2F");

    // A page without its article, one cut off in a tag, an error answer or a
    // site that cannot be reached: the problem text under the page's
    // caption, and a failure told.
    HttpReply missing = HttpReply::text("<h1>Not Found</h1>");
    missing.status = 404;
    server.route("/NewsWireSite/mynews/news/story.adp", missing);
    server.route("/SkyGuideSite/nightsky/weekly.html", HttpReply::text("<p>Our pages have moved.</p>"));
    server.route("/TriviaPortalSite/weather/trivia/",
                 HttpReply::text("Daily Weather Trivia Hail fell.\nSearch for local weather</p><p"));
    const std::pair<void (*)(), QString> failures[] = {
        {Show_Sky_This_Week, "The Sky This Week"}, {History_Click, "Today In History"},
        {Show_Weather_History, "Today in Weather History"},
        {[] { sites::redirectSites(refusedRoot()); Show_Sky_This_Month(); }, "The Sky This Month"}};
    for (const auto& [show, caption] : failures) {
        show();
        EXPECT_EQ(form4().windowTitle(), caption);
        EXPECT_EQ(form4().Text1->toPlainText(), kProblem) << caption.toStdString();
        EXPECT_EQ(form1().panelText(1), "Text Processing Failed") << caption.toStdString();
    }
}

TEST_F(FeaturePagesTest, ABusyTransferControlOnlySaysSo)
{
    QStringList busyTexts;
    std::optional<bool> viewerOpened;
    server.route("/elsewhere", [&](const HttpRequestRecord&) {
        Show_Sky_This_Week();
        busyTexts << form1().panelText(1);
        Show_State_Warnings(0);
        busyTexts << form1().panelText(1);
        viewerOpened = form4Loaded();
        return HttpReply::text("done");
    });
    form1().Inet1->OpenURL(server.url("/elsewhere"));
    EXPECT_EQ(busyTexts, QStringList({"Connection Busy, try again in 15 seconds.", "Connection Busy"}));
    EXPECT_EQ(viewerOpened, false);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(server.count("/SkyGuideSite/nightsky/weekly.html"), 0);
}
