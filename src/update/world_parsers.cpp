#include "update/world_parsers.h"

#include "platform/vb_numbers.h"
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
    plan.cut(26).step([](ParseState& s) { s.first = wholeDegrees(s.take(4)); });
    plan.cut(4).step([](ParseState& s) { s.second = wholeDegrees(s.take(4)); });
    plan.cut(4);
    plan.englishStep([](ParseState& s) { s.first = fahrenheitFromCelsius(s.first); });
    plan.englishStep([](ParseState& s) { s.second = fahrenheitFromCelsius(s.second); });
    plan.step([](ParseState& s) {
        s.row.temperature = numberForm(s.first) + QStringLiteral(" /") + numberForm(s.second);
    });
    plan.trim(&StationRow::temperature).convert(&StationRow::temperature, Remove_Spaces);
    plan.setAndTrim(&StationRow::condition, 30);
    markNotGiven(plan);
    return plan;
}
