#include "settings/source_addresses.h"

#include "platform/settings_store.h"
#include "test_support.h"

#include <functional>

using SourceAddressesTest = SandboxTest;

// Every source and site takes the user's address from the settings store's
// "Sources" section, under its function's name.
TEST_F(SourceAddressesTest, TheUsersOwnAddressReplacesEachBuiltInOne)
{
    const std::pair<const char*, std::function<QString()>> keys[] = {
        {"homePage", sources::homePage}, {"roundupBase", sources::roundupBase},
        {"portalHost", sources::portalHost}, {"portalForecastFolder", sources::portalForecastFolder},
        {"uvBulletin", sources::uvBulletin}, {"hawaiiListHost", sources::hawaiiListHost},
        {"worldListMarker", sources::worldListMarker}, {"singaporeMarker", sources::singaporeMarker},
        {"decodedHourlyHost", sources::decodedHourlyHost}, {"alternateConditions", sources::alternateConditions},
        {"alternateObservations", sources::alternateObservations}, {"alertsService", sources::alertsService},
        {"ClimateResearchSite", sites::ClimateResearchSite}, {"NewsWireSite", sites::NewsWireSite},
    };
    for (const auto& [key, address] : keys) {
        const QString builtIn = address();
        SaveSetting("Sources", key, "  ");
        EXPECT_EQ(address(), builtIn) << key << ": a blank key counts as none";
        SaveSetting("Sources", key, "http://127.0.0.1:8080/mirror/" + QString(key));
        EXPECT_EQ(address(), "http://127.0.0.1:8080/mirror/" + QString(key)) << key;
    }
}

TEST_F(SourceAddressesTest, RootsLoseATrailingSlashAndTestRedirectionsWin)
{
    SaveSetting("Sources", "alertsService", "http://127.0.0.1:8080/");
    SaveSetting("Sources", "worldListMarker", "mirror.example/");
    SaveSetting("Sources", "GoesImageSite", "https://mirror.example//");
    EXPECT_EQ(sources::alertsService(), "http://127.0.0.1:8080");
    EXPECT_EQ(sources::worldListMarker(), "mirror.example/"); // a marker keeps it
    EXPECT_EQ(sites::GoesImageSite(), "https://mirror.example");
    sites::redirectSites("http://127.0.0.1:9");
    EXPECT_EQ(sites::GoesImageSite(), "http://127.0.0.1:9/GoesImageSite");
}
