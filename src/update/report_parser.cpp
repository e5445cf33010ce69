#include "update/report_parser.h"

#include "pages/page_text.h"
#include "update/parse_failure.h"
#include "update/portal_parser.h"
#include "update/report_steps.h"
#include "update/roundup_parsers.h"
#include "update/station_search.h"
#include "update/university_parsers.h"
#include "update/world_parsers.h"

#include <optional>

namespace {

// The parser for the line that starts at `position` (1-based) of the page.
// A roundup table is cut in the columns its heading gives; an Alaska table
// under a state table's heading is cut like a state table.
std::optional<ParserPlan> planFor(const ReportRequest& request, qsizetype position)
{
    const QString& code = request.siteCode;
    const bool metric = request.metric;
    if (code == QLatin1String("UA"))
        return portalPagePlan(metric);
    if (code == QLatin1String("W1"))
        return worldListPlan(metric);
    if (code == QLatin1String("W2"))
        return singaporePlan(metric);
    if (code == QLatin1String("NA") || code == QLatin1String("AK")) {
        const RoundupLayout& layout = roundupLayoutAt(request.pageText, position);
        if (code == QLatin1String("AK") && !layout.hasHeading())
            return alaskaRoundupPlan(metric);
        return stateRoundupPlan(metric, layout.columns);
    }
    if (code == QLatin1String("HI"))
        return hawaiiListPlan(metric);
    if (code == QLatin1String("CA"))
        return decodedHourlyPlan(metric);
    return std::nullopt;
}

// A station without a report keeps the row it had when the parse began
// (when the user keeps the last readings and there was one), else it is
// marked not available. The row as it stood at the start is used, not as a
// failed first attempt or the portal parser's clearing left it. False when
// the row was kept.
bool reportNotAvailable(StationRow& row, const StationRow& atEntry, bool keepLast)
{
    if (keepLast && !atEntry.condition.isEmpty()) {
        row = atEntry;
        return false;
    }
    markNotAvailable(row);
    return true;
}

// A failure in the remarks, the last field, never looks for the place again.
constexpr int kRemarksField = 7;

struct Retry {
    enum Outcome { Found, NoPlace, NoLineEnd } outcome;
    QString line;           // upper-cased, up to its line end
    qsizetype position = 0; // 1-based
};

// Where the place stands again after the failed line, its letters compared
// as `cs` says; -1 when it does not. A roundup row is taken from its first
// column, and only a row after the failed one that the station search would
// take: one whose name column holds the place alone or, when the failed line
// was such a row, one whose longer name ends with it. Elsewhere the place is
// looked for two characters into the failed line (the position is 1-based).
qsizetype nextOccurrence(const ReportRequest& request, Qt::CaseSensitivity cs)
{
    const QString& page = request.pageText;
    if (request.siteCode == QLatin1String("NA") || request.siteCode == QLatin1String("AK")) {
        const qsizetype failedEnd = request.position < 1 ? -1 : lineEnd(page, request.position - 1);
        return nextRoundupRow(page, request.place, failedEnd, request.longerName, cs).lineStart;
    }
    const qsizetype from = request.position + 1;
    return from < 0 ? -1 : page.indexOf(request.place, from, cs);
}

// The place looked for again, as spelled and, failing that, whatever the
// case; the line up to its end, upper-cased, becomes the one to parse.
Retry lookAgain(const ReportRequest& request)
{
    for (const Qt::CaseSensitivity cs : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        const qsizetype found = nextOccurrence(request, cs);
        if (found < 0)
            continue;
        const qsizetype end = lineEnd(request.pageText, found);
        if (end < 0)
            return {Retry::NoLineEnd, QString(), 0};
        return {Retry::Found, upperCopy(request.pageText.mid(found, end - found)), found + 1};
    }
    return {Retry::NoPlace, QString(), 0};
}

} // namespace

bool saysNotAvailable(const QString& line)
{
    return line.contains(QLatin1String("NOT AVBL")) || line.contains(QLatin1String("NOT AVAILABLE"));
}

void markNotAvailable(StationRow& row)
{
    row.condition = QStringLiteral("NOT AVBL");
    for (int label = 4; label <= 10; ++label)
        row.label(label).clear();
}

bool Parse_Report(const ReportRequest& request, StationRow& row)
{
    const StationRow atEntry = row;
    QString line = request.line;
    qsizetype linePosition = request.position;
    bool retried = false;
    // One pass of the plan over the line; a second over the line a retry
    // takes.
    for (;;) {
        if (saysNotAvailable(line))
            return reportNotAvailable(row, atEntry, request.keepLast);
        const std::optional<ParserPlan> plan = planFor(request, linePosition);
        if (!plan)
            return false;
        // Each pass starts with fresh working values.
        ParseState state(line, row, request.metric);
        bool startOver = false;
        for (const Step& step : plan->steps()) {
            try {
                step(state);
            } catch (const ParseFailure&) {
                if (state.field != kRemarksField && !retried) {
                    const Retry retry = lookAgain(request);
                    if (retry.outcome == Retry::NoPlace) {
                        markNotAvailable(row);
                        return true;
                    }
                    if (retry.outcome == Retry::Found) {
                        line = retry.line;
                        linePosition = retry.position;
                        retried = startOver = true;
                        break;
                    }
                }
                // Empty the field in hand and go on with the next step.
                if (const int label = plan->labelOfField(state.field))
                    row.label(label).clear();
                state.fieldLost = true;
            } catch (const ReportNotAvailable&) {
                return reportNotAvailable(row, atEntry, request.keepLast);
            }
        }
        if (!startOver)
            return true;
    }
}
