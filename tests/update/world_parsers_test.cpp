#include "report_lines.h"

#include <gtest/gtest.h>

namespace {

QString worldLine(const QString& temperature = "  59")
{
    return atColumns({{1, "PARIS"}, {18, "CLOUDY"}, {34, temperature}, {40, "FRANCE"}});
}

QString singaporeLine(const QString& first = "  31", const QString& second = "  25",
                      const QString& condition = "THUNDERY SHOWERS")
{
    return atColumns({{1, "CHANGI"}, {27, first}, {31, second}, {35, condition}});
}

void expectOnlyConditionAndTemperature(const StationRow& row)
{
    EXPECT_EQ(row.dewpoint, "NA");
    EXPECT_EQ(row.humidity, "NA");
    EXPECT_EQ(row.wind, "NA");
    EXPECT_EQ(row.pressure, "NA");
    EXPECT_EQ(row.remarks, "NA");
    EXPECT_EQ(row.uv, "NA");
}

} // namespace

TEST(WorldList, ConditionAndTemperature)
{
    StationRow row = parsed(requestFor("W1", worldLine(), "PARIS"));
    EXPECT_EQ(row.condition, "CLOUDY");
    EXPECT_EQ(row.temperature, "59");
    expectOnlyConditionAndTemperature(row);

    row = parsed(requestFor("W1", worldLine(), "PARIS", true));
    EXPECT_EQ(row.temperature, "15");
    expectOnlyConditionAndTemperature(row);
}

TEST(WorldList, LineEndingBeforeTheTemperatureColumn)
{
    const QString line = worldLine().left(30);
    EXPECT_EQ(parsed(requestFor("W1", line, "PARIS")).condition, "NOT AVBL");

    // After the retry the failed cut is only skipped: the temperature is
    // then read from where the line stood.
    ReportRequest request = requestFor("W1", line, "PARIS");
    request.pageText = line + "\r\n" + line + "\r\n";
    const StationRow row = parsed(request);
    EXPECT_EQ(row.condition, "CLOUDY");
    EXPECT_EQ(row.temperature, "CLOU");
    expectOnlyConditionAndTemperature(row);
}

TEST(Singapore, TwoTemperaturesJoinedBySlash)
{
    StationRow row = parsed(requestFor("W2", singaporeLine(), "CHANGI"));
    EXPECT_EQ(row.temperature, "87/77");
    EXPECT_EQ(row.condition, "THUNDERY SHOWERS");
    expectOnlyConditionAndTemperature(row);

    row = parsed(requestFor("W2", singaporeLine(), "CHANGI", true));
    EXPECT_EQ(row.temperature, "31/25");
    expectOnlyConditionAndTemperature(row);
}

TEST(Singapore, NegativeAndFractionalValues)
{
    EXPECT_EQ(parsed(requestFor("W2", singaporeLine("  -3", "24.5"), "CHANGI", true)).temperature, "-3/24");
    EXPECT_EQ(parsed(requestFor("W2", singaporeLine("  -3", "25.5"), "CHANGI", true)).temperature, "-3/26");
    // -3 C is 26.6 F, rounded down.
    EXPECT_EQ(parsed(requestFor("W2", singaporeLine("  -3", "  25"), "CHANGI")).temperature, "26/77");
}

TEST(Singapore, OutOfRangeValueRetriesThenIsSkipped)
{
    const QString line = singaporeLine("9999", "  25");
    // 9999 fits 16 bits, nine times it does not.
    EXPECT_EQ(parsed(requestFor("W2", line, "CHANGI")).condition, "NOT AVBL");
    EXPECT_EQ(parsed(requestFor("W2", line, "CHANGI", true)).temperature, "9999/25");

    ReportRequest request = requestFor("W2", line, "CHANGI");
    request.pageText = line + "\r\n" + line + "\r\n";
    const StationRow row = parsed(request);
    EXPECT_EQ(row.temperature, "9999/77");
    EXPECT_EQ(row.condition, "THUNDERY SHOWERS");
}
