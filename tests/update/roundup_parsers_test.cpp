#include "report_lines.h"
#include "support/samples.h"
#include "update/station_search.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <string>

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
QString alaskaLine(const QString& pressure = "   29.85F", const QString& rest = " -5 10",
                   const QString& name = "ANCHORAGE", const QString& sky = "LGT SNOW")
{
    return fixedColumns({{name, 16}, {sky, 17}, {"  12", 4}, {"  85", 5}, {"N15G25", 10}, {pressure, 9}}, rest);
}

// A page that holds a table of each layout: first one under an older
// heading, then today's (rows of the Guam office's roundup, GUAM AIRPORT and
// ROTA AIRPORT as it served them, a Rochester row, and made-up winter and
// desert rows). Lines end in `eol`.
QString twoLayoutPage(const QString& eol, const QString& olderTableRows = roundupLine("BOSTON"))
{
    return QStringList{"<pre>",
                       "REGIONAL WEATHER ROUNDUP",
                       "CITY           SKY/WX   TMP  DP   RH  WIND     PRES    REMARKS",
                       olderTableRows,
                       "",
                       "PACIFIC ROUNDUP",
                       "CITY           SKY/WX    TMP DP  RH WIND       PRES   REMARKS",
                       "GUAM AIRPORT   CLEAR     81  77  89 E6        29.85R",
                       "ROTA AIRPORT   NOT AVBL",
                       "YAP AIRPORT    MOCLDY    81  79  94 CALM      29.78S",
                       "CHUUK AP       CLOUDY    79  75  89 VRB3      29.79R",
                       "POHNPEI WSO    CLOUDY    75  75 100 CALM      29.84R",
                       "ROCHESTER      CLOUDY    54  54 100 E5        30.35F FOG",
                       "FAIRBANKS      CLEAR    -25 -30  64 N5        30.12R",
                       "PHOENIX        SUNNY    103  20   6 W12G20    29.80F HOT",
                       "$$",
                       "</pre>"}
               .join(eol)
        + eol;
}

// The row that the update makes of the place's line in the page.
StationRow parsedFromPage(const QString& page, const QString& place, const QString& code, bool metric)
{
    const QString url = code == "AK" ? "http://127.0.0.1/ak/roundup" : "http://127.0.0.1/roundup";
    const StationSearch found = findStationLine(page, url, place, SearchMarkers{});
    EXPECT_EQ(found.status, StationSearch::Found) << place.toStdString();
    ReportRequest request = requestFor(code, found.line, place, metric);
    request.pageText = page;
    request.position = found.position;
    request.longerName = found.longerName;
    return parsed(request);
}

// Condition to remarks, joined by "|".
std::string readings(const StationRow& row)
{
    return QStringList{row.condition, row.temperature, row.dewpoint, row.humidity, row.wind, row.pressure,
                       row.remarks}
        .join('|')
        .toStdString();
}

} // namespace

TEST(RoundupLayouts, EachTableIsCutInTheColumnsOfItsHeading)
{
    struct Case {
        QString place;
        std::string english, metric; // condition to remarks, joined by "|"
    };
    const Case cases[] = {
        {"BOSTON", "CLOUDY|45|30|55|NW12G22|30.05R|HAZE", "CLOUDY|7|-2|55|NW19G35|1018R|HAZE"},
        {"GUAM AIRPORT", "CLEAR|81|77|89|E6|29.85R|", "CLEAR|27|25|89|E10|1011R|"},
        {"YAP AIRPORT", "MOCLDY|81|79|94|CALM|29.78S|", "MOCLDY|27|26|94|CALM|1008S|"},
        {"CHUUK AP", "CLOUDY|79|75|89|VRB3|29.79R|", "CLOUDY|26|23|89|VRB5|1009R|"},
        {"POHNPEI WSO", "CLOUDY|75|75|100|CALM|29.84R|", "CLOUDY|23|23|100|CALM|1010R|"},
        {"ROCHESTER", "CLOUDY|54|54|100|E5|30.35F|FOG", "CLOUDY|12|12|100|E8|1028F|FOG"},
        {"FAIRBANKS", "CLEAR|-25|-30|64|N5|30.12R|", "CLEAR|-32|-35|64|N8|1020R|"},
        {"PHOENIX", "SUNNY|103|20|6|W12G20|29.80F|HOT", "SUNNY|39|-7|6|W19G32|1009F|HOT"},
    };
    for (const QString eol : {"\n", "\r\n"}) {
        const QString page = twoLayoutPage(eol);
        for (const Case& c : cases) {
            for (const bool metric : {false, true}) {
                const StationRow row = parsedFromPage(page, c.place, "NA", metric);
                EXPECT_EQ(readings(row), metric ? c.metric : c.english)
                    << c.place.toStdString() << (metric ? " metric" : "") << (eol.size() == 1 ? " LF" : " CR LF");
                // An Alaska table under today's heading is read like the others.
                if (c.place != "BOSTON") {
                    EXPECT_EQ(parsedFromPage(page, c.place, "AK", metric), row) << c.place.toStdString();
                }
            }
        }
    }
}

TEST(RoundupLayouts, RetriedLineIsCutInTheColumnsOfItsOwnTable)
{
    // The older table's line ends inside the wind column; the retry takes the
    // place's line in today's table.
    const QString page = twoLayoutPage("\r\n", roundupLine("ROCHESTER").left(42));
    const StationRow row = parsedFromPage(page, "ROCHESTER", "NA", false);
    EXPECT_EQ(readings(row), "CLOUDY|54|54|100|E5|30.35F|FOG");
}

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

// A place that only ends a longer row name is read in that row's own
// columns, whatever the length of its sky word, in a state table and in the
// Alaska table; so is the later row that the retry after a damaged row takes.
// Each character of a row is upper-cased on its own: "ß" stays one
// character, so the columns after it stay where they are.
TEST(RoundupSearch, ARowIsReadInItsOwnColumns)
{
    const QString sharpS = "CLOUDY    45  30  55 NW12G22   30.05R ßßßßßßßß";
    const QString state = QStringList{"WAZ507-509-231900-",
                                      "CITY           SKY/WX    TMP DP  RH WIND       PRES   REMARKS",
                                      "TACOMA NARROWS SUNNY     48  44  86 VRB3      30.14R",
                                      "CENTRAL PARK   CLEAR     38  10  31 W12G25    29.91R WCI  30",
                                      "EDIZ HOOK      FOG       50  44  77 CALM      30.12R VSB 1/2",
                                      "PORT TOWNSEND  FAIR      52  45  76 VRB6      30.12R",
                                      "NORTH BEND     FOG       41  40  9",
                                      "SOUTH BEND     FOG       43  41  96 CALM      30.00S",
                                      "AUßENßTELLE    " + sharpS,
                                      ("STRAßE         " + sharpS).left(40),
                                      "STRAßE         " + sharpS,
                                      ""}
                              .join("\r\n");
    const QString alaska = QStringList{"ALASKA ROUNDUP",
                                       alaskaLine("   29.85F", " -5 10", "KING SALMON", "FOG"),
                                       alaskaLine("   29.85F", " -5 10", "EAST FORK", "FAIR").left(40),
                                       alaskaLine("   30.01R", " -9  2", "WEST FORK", "FAIR"),
                                       ""}
                               .join("\n");
    struct Case {
        QString code, page, place;
        std::string readings; // condition to remarks, joined by "|"
    } const cases[] = {
        {"NA", state, "NARROWS", "SUNNY|48|44|86|VRB3|30.14R|"},
        {"NA", state, "PARK", "CLEAR|38|10|31|W12G25|29.91R|WCI  30"},
        {"NA", state, "HOOK", "FOG|50|44|77|CALM|30.12R|VSB 1/2"},
        {"NA", state, "TOWNSEND", "FAIR|52|45|76|VRB6|30.12R|"},
        {"NA", state, "BEND", "FOG|43|41|96|CALM|30.00S|"},
        {"NA", state, "AUßENßTELLE", "CLOUDY|45|30|55|NW12G22|30.05R|ßßßßßßßß"},
        {"NA", state, "STRAßE", "CLOUDY|45|30|55|NW12G22|30.05R|ßßßßßßßß"},
        {"AK", alaska, "SALMON", "FOG|12|N/A|85|N15G25|29.85F|W/C  -5  Vis 10"},
        {"AK", alaska, "FORK", "FAIR|12|N/A|85|N15G25|30.01R|W/C  -9  Vis  2"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readings(parsedFromPage(c.page, c.place, c.code, false)), c.readings) << c.place.toStdString();
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

// The retry takes the later line up to its end, whichever line end the
// page uses; a later line that never ends cannot be taken, so each failure
// empties its field and parsing goes on.
TEST(StateRoundup, RetryTakesTheLaterLineUpToItsEnd)
{
    const QString broken = roundupLine("BOSTON").left(42);
    for (const QString eol : {"\r\n", "\n", "\r"}) {
        ReportRequest request = requestFor("NA", broken, "BOSTON");
        request.pageText = broken + eol + roundupLine("BOSTON") + eol;
        const StationRow row = parsed(request);
        EXPECT_EQ(row.wind, "NW12G22") << eol.size();
        EXPECT_EQ(row.remarks, "HAZE") << eol.size();
    }
    ReportRequest request = requestFor("NA", broken, "BOSTON");
    request.pageText = broken + "\r\n" + roundupLine("BOSTON");
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

// Rows of two saved roundups as the service issued them, with their lines
// as stored (LF) and with the CR LF of a page, each read in both units
// (degrees Celsius cut to the whole degree below).
TEST(RoundupSamples, RealRowsAreReadAsTheirTablesSay)
{
    struct Case {
        const char* sample;
        QString place;
        std::string english, metric; // condition to remarks, joined by "|"
    };
    const Case cases[] = {
        {"roundup-WA-2022-10-23.txt", "SEATAC AIRPORT", "CLOUDY|47|44|90|SW5|30.14R|", "CLOUDY|8|6|90|SW8|1021R|"},
        {"roundup-WA-2022-10-23.txt", "OLYMPIA", "PTSUNNY|42|42|100|CALM|30.15R|FOG", "PTSUNNY|5|5|100|CALM|1021R|FOG"},
        {"roundup-WA-2022-10-23.txt", "SPOKANE GEIGER", "MOSUNNY|42|35|76|VRB3|30.00R|",
         "MOSUNNY|5|1|76|VRB5|1016R|"},
        {"roundup-NY-ALY-2026-03-17.txt", "ALBANY", "MOSUNNY|33|13|43|W20G29|29.86R|WCI  21",
         "MOSUNNY|0|-11|43|W32G47|1011R|WCI  21"},
        // Places that only end a longer row name, before short sky words.
        {"roundup-WA-2022-10-23.txt", "ARPT", "CLEAR|49|36|61|W7|30.09R|", "CLEAR|9|2|61|W11|1019R|"},
        {"roundup-WA-2022-10-23.txt", "TC", "FAIR|50|27|41|NE5|30.02R|", "FAIR|10|-3|41|NE8|1017R|"},
        {"roundup-WA-2022-10-23.txt", "LAKE", "SUNNY|51|29|42|N7|30.04R|", "SUNNY|10|-2|42|N11|1017R|"},
        {"roundup-NY-ALY-2026-03-17.txt", "LAKE", "LGT SNOW|15|6|67|W20G33|29.71R|WCI  -2",
         "LGT SNOW|-10|-15|67|W32G53|1006R|WCI  -2"},
    };
    for (const Case& c : cases) {
        const QString stored = sampleText(QLatin1String(c.sample));
        ASSERT_FALSE(stored.isEmpty()) << c.sample;
        for (const QString& page : {stored, QString(stored).replace("\n", "\r\n")}) {
            for (const bool metric : {false, true}) {
                EXPECT_EQ(readings(parsedFromPage(page, c.place, "NA", metric)), metric ? c.metric : c.english)
                    << c.place.toStdString() << (metric ? " metric" : "");
            }
        }
    }
}
