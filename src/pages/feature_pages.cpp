#include "pages/feature_pages.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/page_fetch.h"
#include "pages/page_text.h"
#include "pages/text_viewer.h"
#include "settings/source_addresses.h"

#include <QLocale>
#include <optional>

namespace {

using Cut = std::optional<QString> (*)(const QString& page, const QDate& today);

const QString kProblem = QStringLiteral("Problem Encountered.  Please try again later.");

struct Member {
    const char* caption;
    QString (*address)();
    bool numericReferences; // "&#...;" removed
    bool lineFeedRuns;      // runs of line feeds collapsed
    QChar lineBreak;        // the character that breaks the article's lines
    Cut cut;
};

// The characters from `start` up to `end` (not included); nullopt when
// either marker was not found.
std::optional<QString> between(const QString& page, qsizetype start, qsizetype end)
{
    if (start < 0 || end < 0)
        return std::nullopt;
    return page.mid(start, end - start);
}

// The sky pages end with a pointer to the observatory's home page.
QString withSkyGuideLines(QString body)
{
    return body + QStringLiteral("Check out this site:\r") + sites::SkyGuideHomePage()
        + QStringLiteral("\r for more information like this.\r");
}

std::optional<QString> cutWeatherHistory(const QString& page, const QDate&)
{
    const qsizetype marker = page.indexOf(QLatin1String("Daily Weather Trivia"));
    if (marker < 0)
        return std::nullopt;
    const qsizetype start = marker + 21;
    return between(page, start, page.indexOf(QLatin1String("Search for local weather"), start));
}

std::optional<QString> cutSkyThisWeek(const QString& page, const QDate&)
{
    const qsizetype marker = page.indexOf(QLatin1String("backyard outings"));
    if (marker < 0)
        return std::nullopt;
    const qsizetype start = marker + 20;
    const qsizetype fiveReturns = page.indexOf(QLatin1String("\r\r\r\r\r"), start);
    std::optional<QString> body = between(page, start, fiveReturns < 0 ? -1 : fiveReturns + 3);
    if (!body)
        return std::nullopt;
    body->remove(QLatin1Char('\n'));
    body->replace(QChar(11), QLatin1Char(' '));
    return withSkyGuideLines(*body);
}

std::optional<QString> cutSkyThisMonth(const QString& page, const QDate& today)
{
    const QString month = QLocale::c().toString(today, QStringLiteral("MMMM yyyy"));
    const qsizetype first = page.indexOf(month);
    if (first < 0)
        return std::nullopt;
    const qsizetype start = page.indexOf(month, first + 1);
    if (start < 0)
        return std::nullopt;
    std::optional<QString> body = between(page, start, upperCopy(page).indexOf(QLatin1String("CHOOSE"), start));
    if (!body)
        return std::nullopt;
    body->remove(QLatin1Char('\t'));
    return withSkyGuideLines(*body);
}

std::optional<QString> cutTodayInHistory(const QString& page, const QDate&)
{
    const QString upper = upperCopy(page);
    const qsizetype marker = upper.indexOf(QLatin1String("DATE IN HISTORY:"));
    if (marker < 0)
        return std::nullopt;
    const qsizetype start = marker + 17;
    return between(page, start, upper.indexOf(QLatin1String("REUTERS/VARIETY"), start));
}

QString weatherTriviaPage() { return sites::TriviaPortalSite() + QStringLiteral("/weather/trivia/"); }
QString weeklySkyPage() { return sites::SkyGuideSite() + QStringLiteral("/nightsky/weekly.html"); }
QString monthlySkyPage() { return sites::SkyGuideSite() + QStringLiteral("/nightsky/almanac/s_current_alm.html"); }
QString historyPage()
{
    return sites::NewsWireSite() + QStringLiteral("/mynews/news/story.adp?mnsid=RTR%2FPEOPLE-HISTORY%2F");
}

const Member& member(FeaturePage page)
{
    static const Member members[] = {
        {"Today in Weather History", weatherTriviaPage, false, true, QLatin1Char('\n'), cutWeatherHistory},
        {"The Sky This Week", weeklySkyPage, true, false, QLatin1Char('\r'), cutSkyThisWeek},
        {"The Sky This Month", monthlySkyPage, false, false, QLatin1Char('\r'), cutSkyThisMonth},
        {"Today In History", historyPage, true, false, QLatin1Char('\n'), cutTodayInHistory},
    };
    return members[static_cast<int>(page)];
}

} // namespace

QString featureCaption(FeaturePage page)
{
    return QLatin1String(member(page).caption);
}

QString featurePageText(FeaturePage page, QString html, const QDate& today)
{
    const Member& m = member(page);
    if (!removeTags(html))
        return kProblem;
    expandNonBreakingSpaces(html);
    if (m.numericReferences && !removeNumericReferences(html))
        return kProblem;
    if (m.lineFeedRuns)
        collapseLineFeedRuns(html);
    const std::optional<QString> article = m.cut(html, today);
    if (!article)
        return kProblem;
    return withLineBreaks(*article, m.lineBreak);
}

void showFeaturePage(FeaturePage page)
{
    if (refusedWhileBusy(QStringLiteral("Connection Busy, try again in 15 seconds.")))
        return;
    const std::optional<QString> html = fetchPage(member(page).address());
    if (programClosing())
        return;
    // A page that did not come holds no article, as a page without its markers.
    const QString text = featurePageText(page, html.value_or(QString()), QDate::currentDate());
    const bool found = html && text != kProblem;
    form1().setPanelText(1, found ? QStringLiteral("Text Processing Complete") : QStringLiteral("Text Processing Failed"));
    showInViewer(featureCaption(page), text);
}

void Show_Weather_History() { showFeaturePage(FeaturePage::WeatherHistory); }
void Show_Sky_This_Week() { showFeaturePage(FeaturePage::SkyThisWeek); }
void Show_Sky_This_Month() { showFeaturePage(FeaturePage::SkyThisMonth); }
void History_Click() { showFeaturePage(FeaturePage::TodayInHistory); }
