#include "update/station_search.h"

#include "report_lines.h"

#include "support/cpu_clock.h"

#include <gtest/gtest.h>

namespace {
const SearchMarkers kMarkers{"https://roundup.example/foldr/", "portal.example", "hourly.example",
                             "https://mirror.example/portal"};
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
    const SearchMarkers markers{"roundup.example/rwr.php?issuedby=", "", "", ""};
    const QString page = "AUSTIN IS NAMED IN A HEADER LINE THAT IS LONG ENOUGH\r\n"
                         "TXZ001>002\r\nAUSTIN         SUNNY    80  50  35 N5       30.00S\r\n";
    const StationSearch found =
        findStationLine(page, "https://roundup.example/rwr.php?issuedby=tx&product=RWR", "AUSTIN", markers);
    ASSERT_EQ(found.status, StationSearch::Found);
    EXPECT_TRUE(found.line.startsWith("AUSTIN         SUNNY"));
    // Another state's page has no such zone codes: the search starts at the top.
    EXPECT_TRUE(findStationLine(page, "https://roundup.example/rwr.php?issuedby=OK", "AUSTIN", markers)
                    .line.startsWith("AUSTIN IS NAMED"));
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

    ReportRequest request = requestFor("NA", found.line, "DALLAS");
    request.pageText = page;
    request.position = found.position;
    const StationRow row = parsed(request);
    EXPECT_EQ(row.condition, "SUNNY");
    EXPECT_EQ(row.temperature, "80");
    EXPECT_EQ(row.remarks, "HAZE");
}

TEST(StationSearch, ManyShortLinesNamingThePlaceAreSkippedQuickly)
{
    QString page;
    for (int i = 0; i < 200000; ++i)
        page += QLatin1String("KBTV\n");
    page += "KBTV   CLR  20  10 ... long enough row here\n";
    for (const QString& url : {QString("u"), QString("https://hourly.example/list")}) {
        const qint64 started = threadCpuMilliseconds();
        const StationSearch found = findStationLine(page, url, "KBTV", kMarkers);
        EXPECT_LT(threadCpuMilliseconds() - started, 2000) << url.toStdString();
        ASSERT_EQ(found.status, StationSearch::Found);
        EXPECT_TRUE(found.line.startsWith("KBTV   CLR"));
    }
}

TEST(StationSearch, MissingPlacesAndEndlessLines)
{
    EXPECT_EQ(findStationLine("nothing here\n", "u", "DALLAS", kMarkers).status, StationSearch::Missing);
    EXPECT_EQ(findStationLine("", "u", "DALLAS", kMarkers).status, StationSearch::Missing);
    EXPECT_EQ(findStationLine("DALLAS without any line end at all, long enough", "u", "DALLAS", kMarkers).status,
              StationSearch::NoLineEnd);
    // A huge page without line ends ends quickly too.
    const QString huge = QString(5 * 1024 * 1024, 'x') + "DALLAS";
    EXPECT_EQ(findStationLine(huge, "u", "DALLAS", kMarkers).status, StationSearch::NoLineEnd);
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
        {"newark", "NEWARK/LIBERTY PTSUNNY", "41"},
    };
    for (const Case& c : cases) {
        const StationSearch found = findStationLine(page, "u", c.place, kMarkers);
        ASSERT_EQ(found.status, StationSearch::Found) << c.place;
        EXPECT_TRUE(found.line.startsWith(c.lineStart)) << c.place;
        ReportRequest request = requestFor("NA", found.line, c.place);
        request.pageText = page;
        request.position = found.position;
        // Central Park's first row is cut short: the parser looks for the place again.
        EXPECT_EQ(parsed(request).temperature, c.temperature) << c.place;
    }
}
