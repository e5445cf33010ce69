#include "update/roundup_parsers.h"

#include "update/unit_conversions.h"

ParserPlan stateRoundupPlan(bool metric, const RoundupColumns& c)
{
    ParserPlan plan(metric);
    plan.cut(c.name).field(1).setAndTrim(&StationRow::condition, c.sky);
    plan.cut(c.sky).field(2).setAndTrim(&StationRow::temperature, c.temperature).celsius(&StationRow::temperature);
    plan.cut(c.temperature).field(3).setAndTrim(&StationRow::dewpoint, c.dewpoint).celsius(&StationRow::dewpoint);
    plan.cut(c.dewpoint).field(4).setAndTrim(&StationRow::humidity, c.humidity);
    plan.cut(c.humidity).field(5).setAndTrim(&StationRow::wind, c.wind).metricConvert(&StationRow::wind, Convert_Speed);
    plan.cut(c.wind).field(6).set(&StationRow::pressure, c.pressure)
        .metricConvert(&StationRow::pressure, Convert_To_Millibars).trim(&StationRow::pressure);
    plan.cutBeforeLastColumn(c.pressure).field(7).setAndTrimRest(&StationRow::remarks);
    return plan;
}

ParserPlan alaskaRoundupPlan(bool metric)
{
    ParserPlan plan(metric);
    plan.cut(16).field(1).setAndTrim(&StationRow::condition, 18);
    // The temperature column starts on the sky column's last character.
    plan.cut(17).field(2).setAndTrim(&StationRow::temperature, 4).celsius(&StationRow::temperature);
    plan.cut(4).field(3).assign(&StationRow::dewpoint, QStringLiteral("N/A"));
    plan.field(4).setAndTrim(&StationRow::humidity, 5);
    plan.cut(5).field(5).setAndTrim(&StationRow::wind, 10).metricConvert(&StationRow::wind, Convert_Speed);
    plan.cut(10).field(6).set(&StationRow::pressure, 9).metricConvert(&StationRow::pressure, Convert_To_Millibars)
        .trim(&StationRow::pressure);
    plan.cutBeforeLastColumn(9).field(7);
    // The rest of a token that runs past the pressure column is dropped.
    plan.step([](ParseState& s) {
        qsizetype blank = s.line.indexOf(QLatin1Char(' '));
        s.line.remove(0, blank < 0 ? s.line.size() : blank);
    });
    plan.step([](ParseState& s) { s.work = QStringLiteral("W/C ") + s.take(3); });
    plan.cut(3);
    plan.step([](ParseState& s) { s.work += QStringLiteral("  Vis") + s.line; });
    plan.step([](ParseState& s) { s.row.remarks = s.work; }).trim(&StationRow::remarks);
    return plan;
}
