#include "update/site_code.h"

#include <gtest/gtest.h>

namespace {
const SiteMarkers kMarkers{"hawaii.example", "world.example/", "sg.example/obs", "hourly.example",
                           "portal.example", "https://mirror.example/portal"};
} // namespace

TEST(SiteCode, EachSourceByItsMarker)
{
    EXPECT_EQ(siteCodeFor("https://roundup.example/data/ak/roundup.txt", kMarkers), "AK");
    EXPECT_EQ(siteCodeFor("https://hawaii.example/obs/list.txt", kMarkers), "HI");
    EXPECT_EQ(siteCodeFor("https://world.example/cities.txt", kMarkers), "W1");
    EXPECT_EQ(siteCodeFor("https://sg.example/obs/now.html", kMarkers), "W2");
    EXPECT_EQ(siteCodeFor("https://hourly.example/decoded/CA.txt", kMarkers), "CA");
    EXPECT_EQ(siteCodeFor("https://portal.example/weather/Toledo_OH_f.html", kMarkers), "UA");
    // The pages in the portal's forecast folder, wherever it lies, and only those.
    EXPECT_EQ(siteCodeFor("https://mirror.example/portal/forecast/Dayton_OH_US_f.html", kMarkers), "UA");
    EXPECT_EQ(siteCodeFor("https://mirror.example/portals/tx.txt", kMarkers), "NA");
    EXPECT_EQ(siteCodeFor("https://mirror.example/tx/portal/x", kMarkers), "NA");
    EXPECT_EQ(siteCodeFor("https://roundup.example/data/tx/roundup.txt", kMarkers), "NA");
    EXPECT_EQ(siteCodeFor("", kMarkers), "NA");
}

TEST(SiteCode, FirstMatchingTestWinsInTableOrder)
{
    // The Alaska folder is tested before every host.
    EXPECT_EQ(siteCodeFor("https://portal.example/ak/x", kMarkers), "AK");
    EXPECT_EQ(siteCodeFor("https://hawaii.example/?via=portal.example", kMarkers), "HI");
    EXPECT_EQ(siteCodeFor("https://hourly.example/world.example/x", kMarkers), "W1");
    EXPECT_EQ(siteCodeFor("https://sg.example/obs?from=hourly.example", kMarkers), "W2");
    EXPECT_EQ(siteCodeFor("https://hourly.example/portal.example", kMarkers), "CA");
}

TEST(SiteCode, PlainCaseSensitiveSubstrings)
{
    EXPECT_EQ(siteCodeFor("https://roundup.example/data/AK/roundup.txt", kMarkers), "NA");
    EXPECT_EQ(siteCodeFor("https://roundup.example/data/ak", kMarkers), "NA");
    EXPECT_EQ(siteCodeFor("https://PORTAL.EXAMPLE/x", kMarkers), "NA");
    // The world list marker needs its trailing "/", the Singapore marker its path word.
    EXPECT_EQ(siteCodeFor("https://world.example?x", kMarkers), "NA");
    EXPECT_EQ(siteCodeFor("https://sg.example/forecast", kMarkers), "NA");
}

TEST(SiteCode, EmptyMarkersNeverMatch)
{
    EXPECT_EQ(siteCodeFor("https://anything.example/x", SiteMarkers{}), "NA");
    EXPECT_EQ(siteCodeFor("https://anything.example/ak/x", SiteMarkers{}), "AK");
}

TEST(SiteCode, TheProgramsMarkersTellTheRealSourcesApart)
{
    EXPECT_EQ(siteCodeFor("https://www.timeanddate.com/weather/usa/toledo"), "UA");
    EXPECT_EQ(siteCodeFor("https://www.timeanddate.com/weather/forecast/Dayton_OH_US_f.html"), "UA");
    EXPECT_EQ(siteCodeFor("https://www.mkwc.ifa.hawaii.edu/current/obs.txt"), "HI");
    EXPECT_EQ(siteCodeFor("http://weather.uwyo.edu/surface/list.txt"), "W1");
    EXPECT_EQ(siteCodeFor("https://www.nea.gov.sg/weather/now"), "W2");
    EXPECT_EQ(siteCodeFor("https://vortex.plymouth.edu/decoded/list.txt"), "CA");
    EXPECT_EQ(siteCodeFor("https://weather.uwyo.edu?list"), "NA");
}
