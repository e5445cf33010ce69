#include "update/state_codes.h"

#include <gtest/gtest.h>

TEST(StateCodes, TheEntrysStateNameDecidesAndTheAddressStandsIn)
{
    const QString roundup = "https://forecast.weather.gov/product.php?site=NWS&issuedby=%1&product=RWR";
    struct Case { const char* entry; QString url; const char* code; } const cases[] = {
        {"Texas - DALLAS", roundup.arg("TX"), "TX"},
        {"District of Columbia - WASHINGTON", roundup.arg("MD"), "DC"},
        {"District of Columbia - BALTIMORE", roundup.arg("MD"), "MD"}, // stations around the District
        {"District of Columbia - Dulles", roundup.arg("MD"), "VA"},     // lie in their own states
        {"Maryland - DULLES", roundup.arg("MD"), "MD"},
        {"west virginia - CHARLESTON", roundup.arg("WV"), "WV"},
        {"*Alabama - Mobile", "https://www.timeanddate.com/weather/forecast/Mobile_AL_US_f.html", "AL"},
        {"Guam - GUAM AIRPORT", "https://forecast.weather.gov/product.php?site=GUM&issuedby=PQ&product=RWR", "GU"},
        {"My stations - DALLAS", roundup.arg("tx"), "TX"},
        {"My stations - ALBANY", "https://forecast.weather.gov/product.php?site=NWS&issuedby=ALY", ""},
        {"My stations - X", "https://forecast.weather.gov/product.php?issuedby=ZZ", ""},
        {"World - PARIS", "https://weather.uwyo.edu/surface/world.txt", ""},
        {"", "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(slotStateCode(c.entry, c.url), c.code) << c.entry << " " << c.url.toStdString();
    EXPECT_EQ(watchEntryState("*Alabama - Mobile"), "Alabama");
    EXPECT_EQ(watchEntryState("District of Columbia - BALTIMORE"), "Maryland");
}
