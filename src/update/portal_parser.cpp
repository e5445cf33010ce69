#include "update/portal_parser.h"

#include "update/parse_failure.h"
#include "update/unit_conversions.h"

namespace {

const QString kToday = QStringLiteral("Today");
const QString kSpace = QStringLiteral("&nbsp;");

// Where the readings begin: after the first "&nbsp;" behind "Today"; -1
// when the page has no readings block.
qsizetype readingsStart(const QString& line)
{
    const qsizetype today = line.indexOf(kToday);
    const qsizetype space = today < 0 ? -1 : line.indexOf(kSpace, today);
    return space < 0 ? -1 : space + kSpace.size();
}

qsizetype required(qsizetype position, const char* what)
{
    if (position < 0)
        throw ParseFailure{what};
    return position;
}

// The condition words between the time-zone word (or a run of six line
// feeds) after "Today" and the "Hi&" of the high temperature, upper-cased,
// with every character that is not a letter A to Z made a blank. Each
// character is upper-cased on its own ("ß" is no letter A to Z either).
QString conditionText(const QString& line)
{
    const qsizetype today = required(line.indexOf(kToday), "no Today");
    qsizetype zone = line.indexOf(QLatin1String("GMT"), today);
    if (zone < 0)
        zone = line.indexOf(QLatin1String("EST"), today);
    if (zone < 0)
        zone = line.indexOf(QLatin1String("EDT"), today);
    if (zone < 0)
        zone = line.indexOf(QLatin1String("\n\n\n\n\n\n"), today);
    required(zone, "no time zone after Today");
    const qsizetype high = required(line.indexOf(QLatin1String("Hi&"), zone), "no Hi& after the time zone");
    QString text = line.mid(zone + 3, high - zone - 3);
    for (QChar& c : text) {
        c = c.toUpper();
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            c = QLatin1Char(' ');
    }
    return text;
}

// Reads "label value<end>" further on in the line: the line moves past the
// label, and the caption takes the text before the first `end` character.
// A label that is missing leaves the caption alone.
void labelledReading(ParserPlan& plan, const QString& label, QChar end, RowField caption, bool noSlashes = false)
{
    plan.step([label](ParseState& s) {
        const qsizetype at = s.line.indexOf(label);
        s.first = at >= 0;
        s.work.clear();
        if (at >= 0)
            s.line.remove(0, at + label.size());
    });
    plan.step([end](ParseState& s) {
        if (s.first)
            s.work = s.line.left(required(s.line.indexOf(end), "reading without its end mark"));
    });
    plan.step([caption, noSlashes](ParseState& s) {
        if (!s.first)
            return;
        QString text = s.work;
        if (noSlashes)
            text = Remove_Spaces(text.replace(QLatin1Char('/'), QLatin1Char(' ')));
        s.row.*caption = text;
    });
}

} // namespace

ParserPlan portalPagePlan(bool metric)
{
    ParserPlan plan(metric);
    for (RowField f : {&StationRow::condition, &StationRow::temperature, &StationRow::dewpoint,
                       &StationRow::humidity, &StationRow::wind, &StationRow::pressure, &StationRow::remarks})
        plan.assign(f, QString());
    plan.assign(&StationRow::uv, QStringLiteral("NA"));
    // A page without its readings block says nothing about the station.
    plan.step([](ParseState& s) {
        if (readingsStart(s.line) < 0)
            throw ReportNotAvailable{};
    });

    plan.step([](ParseState& s) { s.work = conditionText(s.line); });
    plan.step([](ParseState& s) { s.row.condition = s.work; }).trim(&StationRow::condition);
    plan.step([](ParseState& s) {
        const qsizetype blank = s.row.condition.indexOf(QLatin1Char(' '));
        if (blank >= 0)
            s.row.condition = s.row.condition.mid(blank + 1); // of two words only the second is kept
    });

    plan.step([](ParseState& s) { s.line.remove(0, readingsStart(s.line)); });
    plan.step([](ParseState& s) {
        s.row.temperature = s.line.left(required(s.line.indexOf(QLatin1Char('&')), "temperature without &"));
    });
    labelledReading(plan, QStringLiteral("Humidity:"), QLatin1Char('%'), &StationRow::humidity);
    labelledReading(plan, QStringLiteral("Wind:"), QLatin1Char('&'), &StationRow::wind, true);
    labelledReading(plan, QStringLiteral("Dewpoint:"), QLatin1Char('&'), &StationRow::dewpoint);
    plan.assign(&StationRow::pressure, QStringLiteral("NR")).assign(&StationRow::uv, QStringLiteral("NA"));
    return plan;
}
