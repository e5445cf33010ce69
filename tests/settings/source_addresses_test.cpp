#include "settings/source_addresses.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/home_page_files.h"
#include "platform/settings_store.h"
#include "settings/program_state.h"
#include "support/local_http_server.h"
#include "test_support.h"

#include <QAction>
#include <QLabel>
#include <QSet>
#include <functional>

using SourceAddressesTest = SandboxTest;

// Every source and site takes the user's address from the settings store's
// "Sources" section, under its function's name.
TEST_F(SourceAddressesTest, TheUsersOwnAddressReplacesEachBuiltInOne)
{
    const std::pair<const char*, std::function<QString()>> keys[] = {
        {"homePage", sources::homePage}, {"portalForecastFolder", sources::portalForecastFolder},
        {"uvBulletin", sources::uvBulletin}, {"alternateConditions", sources::alternateConditions},
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
    SaveSetting("Sources", "GoesImageSite", "https://mirror.example//");
    EXPECT_EQ(sources::alertsService(), "http://127.0.0.1:8080");
    EXPECT_EQ(sites::GoesImageSite(), "https://mirror.example");
    sites::redirectSites("http://127.0.0.1:9");
    EXPECT_EQ(sites::GoesImageSite(), "http://127.0.0.1:9/GoesImageSite");
}

namespace {

// A root key, the folder of the local server it is set to, and a request
// that the program then sends there.
struct RootKey {
    const char* key;
    const char* folder;
    const char* request;
};
const RootKey kRootKeys[] = {
    {"homePage", "/home", "/home/news.txt"},
    {"portalForecastFolder", "/portal", "/portal/forecast/Dayton_OH_US_f.html"},
    {"uvBulletin", "/uv/bulletin.txt", "/uv/bulletin.txt"},
    {"alertsService", "/alerts-service", "/alerts-service/alerts/active?area=TX"},
    {"alternateConditions", "/alt/CONDITIONS.TXT", "/alt/CONDITIONS.TXT"},
    {"alternateObservations", "/alt/OBS/", "/alt/OBS/TX.OBS"},
};

} // namespace

// Every root of section "Sources" set to its own folder of a local server:
// an update of a roundup station (not in its page) and an alternate place,
// with UV, warnings and the alternate site on, and the Help menu's news.
TEST_F(SourceAddressesTest, EachRootKeyMovesItsRequestsToTheServerItNames)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    server.setFallback(HttpReply::text(""));
    server.route("/portal/forecast/Dayton_OH_US_f.html",
                 HttpReply::text("<h1>Weather in Dayton</h1><p>Today 3:51 pm EST Light Rain Hi&nbsp;52&deg;F Lo 41</p>"
                                 "<p>Humidity: 81% Wind: NW / 12 mph&nbsp; Dewpoint: 42&deg;F</p>"));
    for (const RootKey& root : kRootKeys)
        SaveSetting("Sources", root.key, server.url(root.folder));
    writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", server.url("/roundup?issuedby=TX&product=RWR"),
                                     "DALLAS", "[END]"});
    writeLines("CRVN.ini", {"[CRVN INFO] Version 1.7.7", "Texas - DALLAS", "False", "*Ohio - Dayton", "False",
                            "[INTERVAL]", " 0"});
    form2();
    Form1& main = form1();
    main.CheckAlternate->setChecked(true);
    main.IgnoreUV->setChecked(false);
    main.IgnoreWarnings->setChecked(false);
    program().InetTimeout = 5;

    main.RNow_Click();
    Get_News();

    QSet<QByteArray> requested;
    for (const HttpRequestRecord& request : server.requests())
        requested.insert(request.target);
    for (const RootKey& root : kRootKeys)
        EXPECT_TRUE(requested.contains(root.request)) << root.key;
    // The moved portal pages are still read as the portal's.
    EXPECT_EQ(main.Label4[1]->text(), "52");
}
