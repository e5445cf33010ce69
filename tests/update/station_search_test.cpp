#include "update/station_search.h"

#include <gtest/gtest.h>

namespace {
const SearchMarkers kMarkers{"https://roundup.example/foldr/", "portal.example", "hourly.example"};
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

TEST(StationSearch, MissingPlacesAndEndlessLines)
{
    EXPECT_EQ(findStationLine("nothing here\n", "u", "DALLAS", kMarkers).status, StationSearch::Missing);
    EXPECT_EQ(findStationLine("", "u", "DALLAS", kMarkers).status, StationSearch::Missing);
    EXPECT_EQ(findStationLine("dallas  lower case only\n", "u", "DALLAS", kMarkers).status, StationSearch::Missing);
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

    const QString hourly = "KLAX in the header\nStation  Sky\nKLAX   CLR  20  10 ... long enough row here\n";
    const StationSearch list = findStationLine(hourly, "https://hourly.example/list", "KLAX", kMarkers);
    ASSERT_EQ(list.status, StationSearch::Found);
    EXPECT_TRUE(list.line.startsWith("KLAX   CLR"));
}
