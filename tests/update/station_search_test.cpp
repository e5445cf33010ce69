#include "update/station_search.h"

#include "report_lines.h"

#include "support/cpu_clock.h"

#include <gtest/gtest.h>

namespace {
// The row the parser reads from the line found in the page.
StationRow parsedFromPage(const QString& page, const StationSearch& found, const QString& place)
{
    ReportRequest request = requestFor("NA", found.line, place);
    request.pageText = page;
    request.position = found.position;
    request.longerName = found.longerName;
    return parsed(request);
}

const SearchMarkers kMarkers{"https://roundup.example/foldr/",
                             {"hawaii.example", "world.example/", "sg.example/obs", "hourly.example", "portal.example",
                              "https://mirror.example/portal"}};

// The search found a line that starts with `lineStart` and ends a longer
// name when `longerName`; with no `lineStart`, it ended with `status`.
void expectFound(const StationSearch& found, const QString& lineStart, bool longerName, StationSearch::Status status,
                 const std::string& what)
{
    if (lineStart.isEmpty()) {
        EXPECT_EQ(found.status, status) << what << ": " << found.line.toStdString();
        return;
    }
    ASSERT_EQ(found.status, StationSearch::Found) << what;
    EXPECT_TRUE(found.line.startsWith(lineStart)) << what << ": " << found.line.toStdString();
    EXPECT_EQ(found.longerName, longerName) << what;
}
} // namespace

TEST(StationSearch, SkipsShortLinesAndKeepsALeadingBlank)
{
    const QString page = "Index: DALLAS\r\n\r\nTXZ119 ROUNDUP\r\n DALLAS         PTCLDY   72  55  55 S12G20   30.01R\r\n";
    const StationSearch found = findStationLine(page, "https://other.example/tx.txt", "DALLAS", kMarkers);
    ASSERT_EQ(found.status, StationSearch::Found);
    EXPECT_TRUE(found.line.startsWith(" DALLAS         PTCLDY"));
    EXPECT_FALSE(found.line.endsWith('\r'));
}

TEST(StationSearch, RoundupPagesStartAtTheStatesZoneCodes)
{
    const QString url = "https://roundup.example/foldr/tx/hourly.html";
    const QString page = "Waco is near AUSTIN in an index line that is long enough to count\n"
                         "TXZ001\nAUSTIN         SUNNY    80  50  35 N5       30.00S\n";
    const StationSearch found = findStationLine(page, url, "AUSTIN", kMarkers);
    ASSERT_EQ(found.status, StationSearch::Found);
    EXPECT_TRUE(found.line.startsWith("AUSTIN         SUNNY"));
}

TEST(StationSearch, TheStateCodeIsTheTwoCharactersAfterTheRoundupBase)
{
    const SearchMarkers markers{"roundup.example/rwr.php?issuedby=", {}};
    const QString page = "AUSTIN         CLOUDY   70  50  49 N5       30.00S ABOVE THE ZONE CODES\r\n"
                         "TXZ001>002\r\nAUSTIN         SUNNY    80  50  35 N5       30.00S\r\n";
    const StationSearch found =
        findStationLine(page, "https://roundup.example/rwr.php?issuedby=tx&product=RWR", "AUSTIN", markers);
    ASSERT_EQ(found.status, StationSearch::Found);
    EXPECT_TRUE(found.line.startsWith("AUSTIN         SUNNY"));
    // Another state's page has no such zone codes: the search starts at the top.
    EXPECT_TRUE(findStationLine(page, "https://roundup.example/rwr.php?issuedby=OK", "AUSTIN", markers)
                    .line.startsWith("AUSTIN         CLOUDY"));
}

// A zone's heading above its table names places too; in a roundup table
// a line is the place's row when its name column holds the place alone,
// anywhere in the page, or else when it ends a longer name there. The
// other sources' lists have layouts of their own and keep any line.
TEST(StationSearch, ARoundupRowHoldsThePlaceInItsNameColumn)
{
    const QString page = "WAZ507-509-231900-\r\n"
                         "SEATTLE, TACOMA, EVERETT, AND VICINITY\r\n"
                         "CITY           SKY/WX    TMP DP  RH WIND       PRES   REMARKS\r\n"
                         "EVERETT        CLOUDY    49  43  80 S7        30.13R\r\n"
                         "EDIZ HOOK      FAIR      50  44  77 CALM      30.12R\r\n"
                         "FORT WORTH     SUNNY     61  40  45 N5        30.01S\r\n"
                         "TACOMA NARROWS PTSUNNY   48  44  86 VRB3      30.14R\r\n"
                         "CENTRAL PARK   CLOUDY    40  30  67 W5        30.02F\r\n"
                         "  PUYALLUP     DRIZZLE   50  45  81 CALM      30.15R\r\n"
                         "WAZ001-231900-\r\n"
                         "PARK           RAIN      45  43  93 S3        29.99F\r\n"
                         "PARKS PARK     SNOW      30  28  92 N2        30.05R\r\n"
                         "WORTH          FOG       41  40  96 CALM      30.00S\r\n"
                         "ANCHORAGE       LGT SNOW          12   85 N15G25    29.85F\r\n";
    const QString state = "https://roundup.example/foldr/wa/x";
    struct Case {
        QString url, place;
        QString lineStart; // empty: the place has no row
        bool longerName = false;
    } const cases[] = {
        {state, "EVERETT", "EVERETT        CLOUDY"},
        {state, "TACOMA NARROWS", "TACOMA NARROWS PTSUNNY"},
        {state, "PUYALLUP", "  PUYALLUP     DRIZZLE"},
        {state, "NARROWS", "TACOMA NARROWS PTSUNNY", true}, // no row of its own: the name it ends
        {state, "Narrows", "TACOMA NARROWS PTSUNNY", true},
        {state, "HOOK", "EDIZ HOOK      FAIR", true},
        {state, "PARK", "PARK           RAIN"},   // its own row, after the longer CENTRAL PARK
        {state, "WORTH", "WORTH          FOG"},   // likewise after FORT WORTH
        {state, "TACOMA", ""},   // named in the heading and at the start of a longer name
        {state, "SEATTLE", ""},  // the heading's first word
        {state, "FAIR", ""},     // a sky word
        {"https://roundup.example/foldr/ak/x", "ANCHORAGE", "ANCHORAGE       LGT SNOW"},
        {"https://hawaii.example/obs", "TACOMA", " TACOMA, EVERETT, AND VICINITY"},
        {"https://hourly.example/list", "TACOMA", " TACOMA, EVERETT, AND VICINITY"},
        {"https://hourly.example/list", "NARROWS", " NARROWS PTSUNNY"},
    };
    for (const Case& c : cases) {
        expectFound(findStationLine(page, c.url, c.place, kMarkers), c.lineStart, c.longerName, StationSearch::Missing,
                    (c.url + " " + c.place).toStdString());
    }
}

// The position is counted in the page as it was handed over, so that a
// parser that fails on the line looks for the place again after it, not in
// the lines the search skipped.
TEST(StationSearch, ARetryAfterASkippedShortLineReadsTheLineAfterTheFoundOne)
{
    const QString damaged = fixedColumns({{"DALLAS", 15}, {"PTCLDY", 9}, {"72", 3}});
    const QString whole = fixedColumns({{"DALLAS", 15}, {"SUNNY", 9}, {"80", 5}, {"50", 5}, {"35", 4}, {"N5", 9},
                                        {"30.00S", 8}},
                                       "HAZE");
    const QString page = "DALLAS\r\n" + damaged + "\r\n" + whole + "\r\n";
    const StationSearch found = findStationLine(page, "u", "DALLAS", kMarkers);
    ASSERT_EQ(found.status, StationSearch::Found);
    EXPECT_EQ(found.position, 9);
    const StationRow row = parsedFromPage(page, found, "DALLAS");
    EXPECT_EQ(row.condition, "SUNNY");
    EXPECT_EQ(row.temperature, "80");
    EXPECT_EQ(row.remarks, "HAZE");
}

TEST(StationSearch, ManyLinesNamingThePlaceAreSkippedQuickly)
{
    const QString row = "KBTV           CLR  20  10 ... long enough row here\n";
    QString page;
    for (int i = 0; i < 200000; ++i)
        page += QLatin1String("KBTV\n");
    // In a roundup page, long lines that name the place out of the name
    // column are passed over as quickly.
    QString roundup = page;
    for (int i = 0; i < 100000; ++i)
        roundup += QLatin1String("AREA OF KBTV, A ZONE HEADING LONG ENOUGH\nKBTVX          CLR  20  10 LONGER NAME\n");
    // Zone headings with line feeds, and a single carriage return at the
    // page's end: no line is read up to that far return again and again.
    const QString headings = QString("  VTZ119 NEAR KBTV AND VICINITY, A ZONE HEADING\n").repeated(40000);
    const std::pair<QString, QString> pages[] = {{"u", page + row},
                                                 {"https://hourly.example/list", page + row},
                                                 {"https://roundup.example/foldr/vt/x", roundup + row},
                                                 {"https://roundup.example/foldr/vt/x", headings + row + "\r"}};
    for (const auto& [url, text] : pages) {
        const qint64 started = threadCpuMilliseconds();
        const StationSearch found = findStationLine(text, url, "KBTV", kMarkers);
        EXPECT_LT(threadCpuMilliseconds() - started, 2000) << url.toStdString();
        ASSERT_EQ(found.status, StationSearch::Found);
        EXPECT_EQ(found.line.toStdString(), row.trimmed().toUpper().toStdString()) << url.toStdString();
    }
}

TEST(StationSearch, MissingPlacesAndEndlessLines)
{
    const QString list = "https://hourly.example/list";
    EXPECT_EQ(findStationLine("nothing here\n", "u", "DALLAS", kMarkers).status, StationSearch::Missing);
    EXPECT_EQ(findStationLine("", "u", "DALLAS", kMarkers).status, StationSearch::Missing);
    EXPECT_EQ(findStationLine("DALLAS without any line end at all, long enough", list, "DALLAS", kMarkers).status,
              StationSearch::NoLineEnd);
    EXPECT_EQ(findStationLine("DALLAS         PTCLDY   72  55  55 S12G20   30.01R", "u", "DALLAS", kMarkers).status,
              StationSearch::NoLineEnd);
    // A huge page without line ends ends quickly too.
    const QString huge = QString(5 * 1024 * 1024, 'x') + "DALLAS";
    EXPECT_EQ(findStationLine(huge, list, "DALLAS", kMarkers).status, StationSearch::NoLineEnd);
}

TEST(StationSearch, PortalPagesAreTheWholePageWithoutTagsAndHourlyListsStartAfterStation)
{
    const StationSearch portal =
        findStationLine("<b>Toledo</b> Temperature 50", "https://portal.example/x", "Toledo", kMarkers);
    ASSERT_EQ(portal.status, StationSearch::Found);
    EXPECT_EQ(portal.line, "Toledo Temperature 50");
    EXPECT_EQ(findStationLine("<b>Toledo</b> Temperature 50", "https://mirror.example/portal/forecast/x", "Toledo",
                              kMarkers)
                  .line,
              "Toledo Temperature 50");

    const QString hourly = "KLAX in the header\nStation  Sky\nKLAX   CLR  20  10 ... long enough row here\n";
    const StationSearch list = findStationLine(hourly, "https://hourly.example/list", "KLAX", kMarkers);
    ASSERT_EQ(list.status, StationSearch::Found);
    EXPECT_TRUE(list.line.startsWith("KLAX   CLR"));
}

// Today's tables may spell their stations in mixed case; the watch list
// holds capitals. Either way the row is found, and read in capitals.
TEST(StationSearch, PlacesAreFoundWhateverTheCaseOfTableAndList)
{
    const QString damaged = fixedColumns({{"Central Park", 15}, {"PTSUNNY", 9}, {" 99", 3}});
    const QString page = "NYZ072>075-176>178-172100-\r\nCITY           SKY/WX    TMP DP  RH WIND       PRES   REMARKS\r\n"
        + damaged + "\r\n"
        + fixedColumns({{"Central Park", 15}, {"PTSUNNY", 9}, {" 38", 4}, {" 10", 4}, {" 31", 4}, {"W12G25", 10},
                        {"29.91R", 7}},
                       "WCI  30")
        + "\r\n"
        + fixedColumns({{"Newark/Liberty", 15}, {"PTSUNNY", 9}, {" 41", 4}, {"  9", 4}, {" 26", 4}, {"W15G32", 10},
                        {"29.88R", 7}})
        + "\r\n";
    struct Case { const char *place, *lineStart, *temperature; } const cases[] = {
        {"CENTRAL PARK", "CENTRAL PARK   PTSUNNY   99", "38"},
        {"Central Park", "CENTRAL PARK   PTSUNNY   99", "38"},
        {"NEWARK/LIBERTY", "NEWARK/LIBERTY PTSUNNY", "41"},
        {"newark/liberty", "NEWARK/LIBERTY PTSUNNY", "41"},
    };
    for (const Case& c : cases) {
        const StationSearch found = findStationLine(page, "u", c.place, kMarkers);
        ASSERT_EQ(found.status, StationSearch::Found) << c.place;
        EXPECT_TRUE(found.line.startsWith(c.lineStart)) << c.place;
        // Central Park's first row is cut short: the parser looks for the place again.
        EXPECT_EQ(parsedFromPage(page, found, c.place).temperature, c.temperature) << c.place;
    }
}

// A line that holds the place as the watch list spells it comes before one
// that holds it only in another case (a list's title line, a table that
// spells its names in mixed case), in every source. A roundup row whose
// longer name ends with the place is taken when the row that holds the
// place alone never ends.
TEST(StationSearch, ThePlaceAsSpelledComesFirst)
{
    const QString hawaii = "Honolulu, Hilo, Kahului, Lihue and the other airports of the State of Hawaii\n"
                           "HONOLULU          MOSTLY SUNNY  HAZE              84 68 59        30.02R";
    const QString table = "Central Park   CLOUDY    40  30  67 W5        30.02F\r\n"
                          "CENTRAL PARK   CLEAR     38  10  31 W12G25    29.91R\r\n";
    const QString narrows = "TACOMA NARROWS SUNNY     48  44  86 VRB3      30.14R\r\n"
                            "NARROWS        FOG       41  40  96 CALM      30.00S";
    const QString hawaiiList = "https://hawaii.example/obs";
    const QString state = "https://roundup.example/foldr/wa/x";
    struct Case {
        QString url, page, place;
        QString lineStart; // empty: found without a line end
        bool longerName = false;
    } const cases[] = {
        {hawaiiList, hawaii + "\n", "HONOLULU", "HONOLULU          MOSTLY SUNNY"},
        {"https://world.example/list", hawaii + "\n", "HONOLULU", "HONOLULU          MOSTLY SUNNY"},
        {hawaiiList, hawaii + "\n", "Honolulu", "HONOLULU, HILO, KAHULUI"},
        {hawaiiList, hawaii, "HONOLULU", ""}, // as spelled, but never ending: not the title instead
        {state, table, "CENTRAL PARK", "CENTRAL PARK   CLEAR"},
        {state, table, "Central Park", "CENTRAL PARK   CLOUDY"},
        {state, table, "central park", "CENTRAL PARK   CLOUDY"}, // no such spelling: the first row in any case
        {state, narrows, "NARROWS", "TACOMA NARROWS SUNNY", true},
        {state, narrows + "\n", "NARROWS", "NARROWS        FOG"},
    };
    for (const Case& c : cases) {
        expectFound(findStationLine(c.page, c.url, c.place, kMarkers), c.lineStart, c.longerName,
                    StationSearch::NoLineEnd, (c.url + " " + c.place).toStdString());
    }
}
