#include "update/world_parsers.h"

#include "platform/number_formats.h"
#include "update/parse_failure.h"
#include "update/unit_conversions.h"

#include <cmath>

namespace {

void markNotGiven(ParserPlan& plan)
{
    for (RowField f : {&StationRow::dewpoint, &StationRow::humidity, &StationRow::wind, &StationRow::pressure,
                       &StationRow::remarks, &StationRow::uv})
        plan.assign(f, QStringLiteral("NA"));
}

int wholeDegrees(const QString& text)
{
    int value = 0;
    if (!toInt16(text, value))
        throw ParseFailure{"temperature outside the 16-bit range"};
    return value;
}

// Celsius to whole degrees Fahrenheit, rounded down. The product is a
// 16-bit operation in the readings' arithmetic.
int fahrenheitFromCelsius(int celsius)
{
    const int product = celsius * 9;
    if (product < -32768 || product > 32767)
        throw ParseFailure{"temperature outside the 16-bit range"};
    return static_cast<int>(std::floor(product / 5.0 + 32));
}

// A temperature column as whole degrees, with a leading blank when not
// negative; a column that is not a number is kept as it came, trimmed.
QString degreesText(const QString& column)
{
    return readsAsNumber(column) ? numberForm(wholeDegrees(column)) : Strip_Spaces(column);
}

QString fahrenheitText(const QString& celsiusText)
{
    return readsAsNumber(celsiusText) ? numberForm(fahrenheitFromCelsius(wholeDegrees(celsiusText))) : celsiusText;
}

} // namespace

ParserPlan worldListPlan(bool metric)
{
    ParserPlan plan(metric);
    plan.cut(17).setAndTrim(&StationRow::condition, 10);
    plan.cut(16).setAndTrim(&StationRow::temperature, 4).celsius(&StationRow::temperature);
    markNotGiven(plan);
    return plan;
}

ParserPlan singaporePlan(bool metric)
{
    ParserPlan plan(metric);
    plan.cut(26).step([](ParseState& s) { s.work = degreesText(s.take(4)); });
    plan.cut(4).step([](ParseState& s) { s.secondWork = degreesText(s.take(4)); });
    plan.cut(4);
    plan.englishStep([](ParseState& s) { s.work = fahrenheitText(s.work); });
    plan.englishStep([](ParseState& s) { s.secondWork = fahrenheitText(s.secondWork); });
    plan.step([](ParseState& s) { s.row.temperature = s.work + QStringLiteral(" /") + s.secondWork; });
    plan.trim(&StationRow::temperature).convert(&StationRow::temperature, Remove_Spaces);
    // Neither temperature given: nothing to show.
    plan.step([](ParseState& s) {
        if (s.row.temperature == QLatin1String("/"))
            s.row.temperature.clear();
    });
    plan.setAndTrim(&StationRow::condition, 30);
    markNotGiven(plan);
    return plan;
}
