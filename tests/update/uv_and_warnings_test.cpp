#include "update/uv_and_warnings.h"

#include <gtest/gtest.h>

namespace {

// One bulletin row: the city name, then its UV value 26 characters further on.
QString bulletinRow(const QString& city, const QString& value)
{
    return city.leftJustified(26, ' ') + value + "\r\n";
}

} // namespace

TEST(UvBulletin, ValuesAreReadBesideEachCityOrMarkedAbsent)
{
    const QString page = "UV INDEX FORECAST\r\n" + bulletinRow("CHARLESTON  SC", " 7 ")
        + bulletinRow("CHARLESTON  WV", "  5") + bulletinRow("JACKSONVILLE", "9  ")
        + bulletinRow("DALLAS", "10 ");
    const auto values = uvValuesFromBulletin(page);
    EXPECT_EQ(values[17], "10 ");           // DALLAS
    EXPECT_EQ(values[11], " 7 ");           // both CHARLESTON rows take the first one
    EXPECT_EQ(values[12], " 7 ");
    EXPECT_EQ(values[0], "NA");             // ALBUQUERQUE absent
    EXPECT_EQ(uvValuesFromBulletin("")[57], "NA");
    // A name near the end of the page gives what is there, never reads past it.
    EXPECT_EQ(uvValuesFromBulletin("WICHITA")[57], "");
}

TEST(UvBulletin, APlaceTakesTheFirstCityItContainsWithoutLeadingBlanks)
{
    auto values = uvValuesFromBulletin(bulletinRow("JACKSON", "  4") + bulletinRow("JACKSONVILLE", "9  ")
                                       + bulletinRow("DALLAS", "10 "));
    EXPECT_EQ(uvForPlace("JACKSONVILLE", values), "4");  // "JACKSON" comes first in the table
    EXPECT_EQ(values[26], "4");                          // trimmed value kept
    EXPECT_EQ(uvForPlace("DALLAS/FT WORTH", values), "10 ");
    EXPECT_EQ(uvForPlace("ABILENE", values), "NR");
}

TEST(Warnings, LampAndAlertFollowThePage)
{
    EXPECT_EQ(warningsPageUrl("https://host/roundup/tx/rwr.txt"), "https://host/roundup/tx/allwarnings.html");

    WarningState state = warningsFromPage("<h1>404 Not Found</h1>", "DALLAS");
    EXPECT_EQ(state.lamp, kButtonFaceColor);
    EXPECT_FALSE(state.alert);

    state = warningsFromPage("All Warnings are not currently available for DALLAS", "DALLAS");
    EXPECT_EQ(state.lamp, kGreen);
    EXPECT_FALSE(state.alert);

    state = warningsFromPage("TORNADO WARNING FOR TARRANT COUNTY INCLUDING FORT", "FORT WORTH");
    EXPECT_EQ(state.lamp, kRed);
    EXPECT_TRUE(state.alert); // first word of a two-word place

    state = warningsFromPage("FLOOD WATCH FOR HARRIS COUNTY", "DALLAS");
    EXPECT_EQ(state.lamp, kRed);
    EXPECT_FALSE(state.alert);

    state = warningsFromPage("", "DALLAS"); // a failed fetch: red, but no alert
    EXPECT_EQ(state.lamp, kRed);
    EXPECT_FALSE(state.alert);

    state = warningsFromPage("warning for dallas", "DALLAS"); // exact case only
    EXPECT_FALSE(state.alert);
}
