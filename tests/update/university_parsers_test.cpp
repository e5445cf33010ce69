#include "report_lines.h"
#include "update/university_parsers.h"

#include <gtest/gtest.h>

namespace {

// A Hawaii list row: name (18), condition (14), remarks (16), temperature
// (4), dewpoint (3), humidity (3), wind (8, not read), pressure.
QString hawaiiLine(const QString& condition = "MOSTLY SUNNY", const QString& pressure = "30.02R")
{
    return fixedColumns({{"HONOLULU", 18}, {condition, 14}, {"HAZE", 16}, {"  84", 4}, {" 68", 3}, {" 59", 3},
                         {"NE12G20", 8}},
                        pressure);
}

// A decoded hourly row: temperature in columns 17 to 21, dewpoint 21 to 24,
// wind group 29 to 40, gust 41 to 43, pressure 50 to 57, sky code 66 to 70.
QString hourlyLine(const QString& gust = " 20", const QString& pressure = "1013.2", const QString& sky = "SCT")
{
    return atColumns({{1, "KLAX 1953"}, {18, "72"}, {22, "50"}, {29, "270 AT 15"}, {41, gust}, {50, pressure},
                      {66, sky}, {75, ""}});
}

} // namespace

TEST(HawaiiList, ColumnsInEnglishUnits)
{
    StationRow before;
    before.uv = "9";
    const StationRow row = parsed(requestFor("HI", hawaiiLine(), "HONOLULU"), before);
    EXPECT_EQ(row.condition, "MOSUNNY");
    EXPECT_EQ(row.remarks, "HAZE");
    EXPECT_EQ(row.temperature, "84");
    EXPECT_EQ(row.dewpoint, "68");
    EXPECT_EQ(row.humidity, "59");
    EXPECT_EQ(row.wind, "NR");
    EXPECT_EQ(row.pressure, "30.02R");
    EXPECT_EQ(row.uv, "9");
}

TEST(HawaiiList, ConditionPrefixesShrink)
{
    EXPECT_EQ(parsed(requestFor("HI", hawaiiLine("PARTLY CLOUDY"), "HONOLULU")).condition, "PTCLOUDY");
    EXPECT_EQ(parsed(requestFor("HI", hawaiiLine("MOSTLY CLOUDY"), "HONOLULU")).condition, "MOCLOUDY");
    EXPECT_EQ(parsed(requestFor("HI", hawaiiLine("MOSTLY"), "HONOLULU")).condition, "MO");
    EXPECT_EQ(parsed(requestFor("HI", hawaiiLine("SHOWERS"), "HONOLULU")).condition, "SHOWERS");
}

TEST(HawaiiList, MetricAndThePressureIsAllThatFollowsColumn66)
{
    const StationRow row = parsed(requestFor("HI", hawaiiLine("CLEAR", "30.02R"), "HONOLULU", true));
    EXPECT_EQ(row.temperature, "28");
    EXPECT_EQ(row.dewpoint, "20");
    EXPECT_EQ(row.humidity, "59");
    EXPECT_EQ(row.wind, "NR");
    EXPECT_EQ(row.pressure, "1017R");

    EXPECT_EQ(parsed(requestFor("HI", hawaiiLine("CLEAR", "  29.99 STEADY "), "HONOLULU")).pressure,
              "29.99 STEADY");
}

TEST(HawaiiList, RecoveryEmptiesFieldsInTheListsOwnOrder)
{
    // Both occurrences end inside the humidity column: the cut behind it
    // fails in field 5, which in this list is the humidity; once a field
    // is lost the cut before the pressure fails too, in field 6, the wind.
    const QString line = hawaiiLine().left(57);
    ReportRequest request = requestFor("HI", line, "HONOLULU");
    request.pageText = line + "\r\n" + line + "\r\n";
    const StationRow row = parsed(request);
    EXPECT_EQ(row.condition, "MOSUNNY");
    EXPECT_EQ(row.dewpoint, "68");
    EXPECT_EQ(row.humidity, "");
    EXPECT_EQ(row.wind, "");
    EXPECT_EQ(row.pressure, "5");
}

// Lists drop the blanks behind an empty last column (the pressure of the
// Hawaii list, the sky code of the hourly list): a station that stands once
// in its page keeps the readings in front of it.
TEST(UniversityLists, LineEndingBeforeItsLastColumnKeepsItsReadings)
{
    for (const QString& line : {hawaiiLine("MOSTLY SUNNY", "").trimmed(), hawaiiLine().left(58)}) {
        const StationRow row = parsed(requestFor("HI", line, "HONOLULU", true));
        EXPECT_EQ(row.humidity, "59");
        EXPECT_EQ(row.wind, "NR");
        EXPECT_EQ(row.pressure, "");
    }
    for (const QString& line : {hourlyLine(" 20", "1013.2", "").trimmed(), hourlyLine().left(62)}) {
        const StationRow row = parsed(requestFor("CA", line, "KLAX"));
        EXPECT_EQ(row.wind, "W17G23");
        EXPECT_EQ(row.pressure, "29.92");
        EXPECT_EQ(row.condition, "NOREPORT");
    }
}

TEST(DecodedHourly, EnglishUnits)
{
    StationRow before;
    before.remarks = "OLD";
    const StationRow row = parsed(requestFor("CA", hourlyLine(), "KLAX"), before);
    EXPECT_EQ(row.temperature, "72");
    EXPECT_EQ(row.dewpoint, "50");
    EXPECT_EQ(row.humidity, "46");
    EXPECT_EQ(row.wind, "W17G23");
    EXPECT_EQ(row.pressure, "29.92");
    EXPECT_EQ(row.condition, "PTCLOUDY");
    EXPECT_EQ(row.remarks, "");
    EXPECT_EQ(row.uv, "NA");
}

TEST(DecodedHourly, MetricUnits)
{
    const StationRow row = parsed(requestFor("CA", hourlyLine(), "KLAX", true));
    EXPECT_EQ(row.temperature, "22");
    EXPECT_EQ(row.dewpoint, "10");
    EXPECT_EQ(row.humidity, "46");
    // The gust is added in mph before the whole caption goes to km/h.
    EXPECT_EQ(row.wind, "W27G37");
    EXPECT_EQ(row.pressure, "1013");
    EXPECT_EQ(parsed(requestFor("CA", hourlyLine(" 20", "1009"), "KLAX", true)).pressure, "1009");
    EXPECT_EQ(parsed(requestFor("CA", hourlyLine(" 20", "1009.25"), "KLAX", true)).pressure, "1009.");
}

TEST(DecodedHourly, GustOnlyWhenAbove0)
{
    EXPECT_EQ(parsed(requestFor("CA", hourlyLine("  0"), "KLAX")).wind, "W17");
    EXPECT_EQ(parsed(requestFor("CA", hourlyLine("   "), "KLAX")).wind, "W17");
    EXPECT_EQ(parsed(requestFor("CA", hourlyLine("---"), "KLAX")).wind, "W17");
}

TEST(DecodedHourly, OnlyTheFirst97CharactersCount)
{
    const QString line = hourlyLine().leftJustified(120, ' ') ;
    QString longLine = line;
    longLine.replace(97, 10, "X 999 AT 9");
    EXPECT_EQ(parsed(requestFor("CA", longLine, "KLAX")), parsed(requestFor("CA", line.left(97), "KLAX")));
}

TEST(DecodedHourly, SkyCodes)
{
    EXPECT_EQ(skyCodeCondition("CLR"), "CLEAR");
    EXPECT_EQ(skyCodeCondition("FEW"), "PTCLOUDY");
    EXPECT_EQ(skyCodeCondition("SCT"), "PTCLOUDY");
    EXPECT_EQ(skyCodeCondition("OVC"), "CLOUDY");
    EXPECT_EQ(skyCodeCondition("BKN"), "MOCLOUDY");
    EXPECT_EQ(skyCodeCondition("X"), "NOREPORT");
    EXPECT_EQ(skyCodeCondition(""), "NOREPORT");
    EXPECT_EQ(skyCodeCondition("VV"), "NOREPORT");
    EXPECT_EQ(parsed(requestFor("CA", hourlyLine(" 20", "1013.2", "   "), "KLAX")).condition, "NOREPORT");
    EXPECT_EQ(parsed(requestFor("CA", hourlyLine(" 20", "1013.2", "OVC"), "KLAX")).condition, "CLOUDY");
}

TEST(DecodedHourly, MissingTemperatureMarkerGivesNoHumidity)
{
    QString line = hourlyLine();
    line.replace(17, 3, "---");
    const StationRow row = parsed(requestFor("CA", line, "KLAX"));
    EXPECT_EQ(row.temperature, "---");
    EXPECT_EQ(row.humidity, "NA");
}

TEST(DecodedHourly, ShortLineRetriesOnceThenSkipsFailedSteps)
{
    const QString shortLine = hourlyLine().left(40); // ends inside the wind group
    EXPECT_EQ(parsed(requestFor("CA", shortLine, "KLAX")).condition, "NOT AVBL");

    ReportRequest request = requestFor("CA", shortLine, "KLAX");
    request.pageText = shortLine + "\r\n" + shortLine + "\r\n";
    const StationRow row = parsed(request);
    EXPECT_EQ(row.temperature, "72");
    EXPECT_EQ(row.wind, "W17");
    EXPECT_EQ(row.pressure, "7.97"); // "270 AT 1" as millibars: the failed cut left the wind group
    EXPECT_EQ(row.condition, "NOREPORT");
    EXPECT_EQ(row.uv, "NA");
}
