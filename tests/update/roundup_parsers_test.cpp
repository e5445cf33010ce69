#include "report_lines.h"

#include <gtest/gtest.h>

namespace {

// A state roundup row: name, sky, temperature, dewpoint, humidity, wind,
// pressure, remarks.
QString roundupLine(const QString& name, const QString& temperature = "45", const QString& dewpoint = "30",
                    const QString& remarks = "HAZE")
{
    return fixedColumns({{name, 15}, {"CLOUDY", 9}, {temperature, 5}, {dewpoint, 5}, {"55", 4}, {"NW12G22", 9},
                         {"30.05R", 8}},
                        remarks);
}

// An Alaska roundup row: name (16), sky (17, the temperature starts on its
// last column), temperature (4), humidity (5), wind (10), pressure (9),
// wind chill and visibility.
QString alaskaLine(const QString& pressure = "   29.85F", const QString& rest = " -5 10")
{
    return fixedColumns({{"ANCHORAGE", 16}, {"LGT SNOW", 17}, {"  12", 4}, {"  85", 5}, {"N15G25", 10},
                         {pressure, 9}},
                        rest);
}

} // namespace

TEST(StateRoundup, EnglishCaptionsAreTheTrimmedColumns)
{
    StationRow before;
    before.place = "BOSTON";
    before.uv = "7";
    const StationRow row = parsed(requestFor("NA", roundupLine("BOSTON"), "BOSTON"), before);
    EXPECT_EQ(row.place, "BOSTON");
    EXPECT_EQ(row.condition, "CLOUDY");
    EXPECT_EQ(row.temperature, "45");
    EXPECT_EQ(row.dewpoint, "30");
    EXPECT_EQ(row.humidity, "55");
    EXPECT_EQ(row.wind, "NW12G22");
    EXPECT_EQ(row.pressure, "30.05R");
    EXPECT_EQ(row.remarks, "HAZE");
    EXPECT_EQ(row.uv, "7"); // the caller's
}

TEST(StateRoundup, RightAlignedNumbersAndAnEmptyRemarksColumn)
{
    const QString line = fixedColumns(
        {{"DALLAS", 15}, {"PTCLDY", 9}, {"  72", 5}, {"  55", 5}, {" 55", 4}, {"S12G20", 9}, {"30.01R", 8}});
    const StationRow row = parsed(requestFor("NA", line, "DALLAS"));
    EXPECT_EQ(row.condition, "PTCLDY");
    EXPECT_EQ(row.temperature, "72");
    EXPECT_EQ(row.pressure, "30.01R");
    EXPECT_EQ(row.remarks, "");
}

TEST(StateRoundup, MetricConvertsTemperaturesWindAndPressure)
{
    StationRow row = parsed(requestFor("NA", roundupLine("BOSTON", "72", "20"), "BOSTON", true));
    EXPECT_EQ(row.temperature, "22");
    EXPECT_EQ(row.dewpoint, "-7");
    EXPECT_EQ(row.humidity, "55");
    EXPECT_EQ(row.wind, "NW19G35");
    EXPECT_EQ(row.pressure, "1018R");
    EXPECT_EQ(row.remarks, "HAZE");

    row = parsed(requestFor("NA", roundupLine("BOSTON", "-5", "33"), "BOSTON", true));
    EXPECT_EQ(row.temperature, "-21");
    EXPECT_EQ(row.dewpoint, "0");
}

TEST(StateRoundup, LineStartingInsideALongerStationNameIsRealigned)
{
    const QString full = fixedColumns({{"FT LAUDERDALE", 15}, {"SUNNY", 9}, {"80", 5}, {"70", 5}, {"72", 4},
                                       {"E10", 9}, {"30.02S", 8}},
                                      "SEA BREEZE");
    const StationRow whole = parsed(requestFor("NA", full, "FT LAUDERDALE"));
    EXPECT_EQ(whole.condition, "SUNNY");
    // The place matched only the end of the name: the line starts three
    // characters in, or two when the blank before the place is kept.
    EXPECT_EQ(parsed(requestFor("NA", full.mid(3), "LAUDERDALE")), whole);
    EXPECT_EQ(parsed(requestFor("NA", full.mid(2), "LAUDERDALE")), whole);
    EXPECT_EQ(whole.remarks, "SEA BREEZE");
}

TEST(StateRoundup, LineEndingInsideTheWindColumnIsParsedFromTheNextOccurrence)
{
    const QString broken = roundupLine("BOSTON").left(42);
    const QString later = roundupLine("BOSTON", "50", "40", "LATER LINE");
    ReportRequest request = requestFor("NA", broken, "BOSTON");
    request.pageText = "MAZ001\r\n" + broken + "\r\nOTHER TOWN\r\n" + later + "\r\n";
    request.position = 9;
    const StationRow row = parsed(request);
    EXPECT_EQ(row.temperature, "50");
    EXPECT_EQ(row.dewpoint, "40");
    EXPECT_EQ(row.pressure, "30.05R");
    EXPECT_EQ(row.remarks, "LATER LINE");
}

TEST(StateRoundup, LineEndingInsideTheWindColumnWithoutAnotherOccurrenceIsNotAvailable)
{
    StationRow before;
    before.condition = "SUNNY";
    before.temperature = "60";
    before.uv = "5";
    ReportRequest request = requestFor("NA", roundupLine("BOSTON").left(42), "BOSTON");
    request.keepLast = true; // the recovery does not consult it
    const StationRow row = parsed(request, before);
    EXPECT_EQ(row.condition, "NOT AVBL");
    EXPECT_EQ(row.temperature, "");
    EXPECT_EQ(row.uv, "");
}

TEST(StateRoundup, RetriedLineEndingInsideThePressureColumnKeepsItsReadings)
{
    // The first occurrence ends inside the wind column and fails; the retry
    // takes the second, which ends inside the pressure column: what it holds
    // stands and the remarks are empty.
    const QString first = roundupLine("BOSTON").left(42);
    const QString second = roundupLine("BOSTON", "50").left(50);
    ReportRequest request = requestFor("NA", first, "BOSTON");
    request.pageText = first + "\r\n" + second + "\r\n";
    const StationRow row = parsed(request);
    EXPECT_EQ(row.condition, "CLOUDY");
    EXPECT_EQ(row.temperature, "50");
    EXPECT_EQ(row.wind, "NW12G22");
    EXPECT_EQ(row.pressure, "30.");
    EXPECT_EQ(row.remarks, "");
}

TEST(StateRoundup, LineTrimmedBehindThePressureHasEmptyRemarks)
{
    // Pages drop the blanks behind an empty remarks column; a station that
    // stands once in its page must still show its readings.
    const QString line = roundupLine("DALLAS", "72", "55", "").trimmed();
    ASSERT_LT(line.size(), 55);
    const StationRow row = parsed(requestFor("NA", line, "DALLAS", true));
    EXPECT_EQ(row.condition, "CLOUDY");
    EXPECT_EQ(row.temperature, "22");
    EXPECT_EQ(row.pressure, "1018R");
    EXPECT_EQ(row.remarks, "");
}

TEST(StateRoundup, RetryLineWithoutCarriageReturnEmptiesTheFailedFields)
{
    // The later occurrence ends in a line feed only: the retry cannot take
    // it, so each failure empties its field and parsing goes on.
    const QString broken = roundupLine("BOSTON").left(42);
    ReportRequest request = requestFor("NA", broken, "BOSTON");
    request.pageText = broken + "\r\n" + roundupLine("BOSTON") + "\n";
    const StationRow row = parsed(request);
    EXPECT_EQ(row.condition, "CLOUDY");
    EXPECT_EQ(row.temperature, "45");
    EXPECT_EQ(row.wind, "");
    EXPECT_EQ(row.pressure, "");
    EXPECT_EQ(row.remarks, "NW12");
}

TEST(StateRoundup, MetricTemperatureBeyondSixteenBitsFailsLikeAShortLine)
{
    const QString line = roundupLine("BOSTON", "99999");
    const StationRow row = parsed(requestFor("NA", line, "BOSTON", true));
    EXPECT_EQ(row.condition, "NOT AVBL");

    // With the retry used up, only the temperature is lost.
    ReportRequest request = requestFor("NA", line, "BOSTON", true);
    request.pageText = line + "\r\n" + line + "\r\n";
    const StationRow second = parsed(request);
    EXPECT_EQ(second.condition, "CLOUDY");
    EXPECT_EQ(second.temperature, "");
    EXPECT_EQ(second.dewpoint, "-2");
    EXPECT_EQ(second.pressure, "1018R");
}

TEST(AlaskaRoundup, ColumnsAndRemarks)
{
    const StationRow row = parsed(requestFor("AK", alaskaLine(), "ANCHORAGE"));
    EXPECT_EQ(row.condition, "LGT SNOW");
    EXPECT_EQ(row.temperature, "12");
    EXPECT_EQ(row.dewpoint, "N/A");
    EXPECT_EQ(row.humidity, "85");
    EXPECT_EQ(row.wind, "N15G25");
    EXPECT_EQ(row.pressure, "29.85F");
    EXPECT_EQ(row.remarks, "W/C  -5  Vis 10");
}

TEST(AlaskaRoundup, MetricUnits)
{
    const StationRow row = parsed(requestFor("AK", alaskaLine(), "ANCHORAGE", true));
    EXPECT_EQ(row.temperature, "-12");
    EXPECT_EQ(row.dewpoint, "N/A");
    EXPECT_EQ(row.wind, "N24G40");
    EXPECT_EQ(row.pressure, "1011F");
}

TEST(AlaskaRoundup, TokenRunningPastThePressureColumnIsDropped)
{
    const StationRow row = parsed(requestFor("AK", alaskaLine("   29.85F", "ALL -5 10"), "ANCHORAGE"));
    EXPECT_EQ(row.pressure, "29.85F");
    EXPECT_EQ(row.remarks, "W/C  -5  Vis 10");
}

TEST(AlaskaRoundup, LineEndingInsideThePressureColumnKeepsItsReadings)
{
    const QString line = alaskaLine("29.85F", "").trimmed(); // ends three blanks short of the column
    const StationRow row = parsed(requestFor("AK", line, "ANCHORAGE"));
    EXPECT_EQ(row.condition, "LGT SNOW");
    EXPECT_EQ(row.wind, "N15G25");
    EXPECT_EQ(row.pressure, "29.85F");
}

TEST(AlaskaRoundup, FailureInTheRemarksNeverRetries)
{
    // The line ends with the pressure column: the cut behind the wind chill
    // fails in field 7, which empties the remarks and goes on, although the
    // place occurs again in the page.
    const QString line = alaskaLine("   29.85F", "");
    ReportRequest request = requestFor("AK", line, "ANCHORAGE");
    request.pageText = line + "\r\n" + alaskaLine("   30.00R", " -9 20") + "\r\n";
    const StationRow row = parsed(request);
    EXPECT_EQ(row.pressure, "29.85F");
    EXPECT_EQ(row.remarks, "W/C   Vis");
}
