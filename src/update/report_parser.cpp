#include "update/report_parser.h"

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

// The place looked for again two characters on (the position is 1-based),
// case ignored; in a roundup table only in a row that the station search
// would take: one whose name column holds the place alone or, when the
// line that failed was such a row, one whose longer name ends with it. The
// line up to its end becomes the one to parse.
Retry lookAgain(const ReportRequest& request)
{
    const QString& page = request.pageText;
    const QString& place = request.place;
    const qsizetype from = request.position + 1;
    const bool roundup = request.siteCode == QLatin1String("NA") || request.siteCode == QLatin1String("AK");
    qsizetype found = -1;
    if (roundup)
        found = nextRoundupRow(page, place, from, request.longerName).at;
    else if (from >= 0)
        found = page.indexOf(place, from, Qt::CaseInsensitive);
    if (found < 0)
        return {Retry::NoPlace, QString(), 0};
    const qsizetype end = lineEnd(page, found);
    if (end < 0)
        return {Retry::NoLineEnd, QString(), 0};
    return {Retry::Found, page.mid(found, end - found).toUpper(), found + 1};
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
