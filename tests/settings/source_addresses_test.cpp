#include "settings/source_addresses.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/home_page_files.h"
#include "platform/settings_store.h"
#include "settings/program_state.h"
#include "support/local_http_server.h"
#include "test_support.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

using SourceAddressesTest = SandboxTest;

namespace {

// Every key of section "Sources" and the address it gives.
const std::pair<const char*, QString (*)()> kKeys[] = {
    {"homePage", sources::homePage}, {"portalForecastFolder", sources::portalForecastFolder},
    {"uvBulletin", sources::uvBulletin}, {"alertsService", sources::alertsService},
    {"alternateConditions", sources::alternateConditions},
    {"alternateObservations", sources::alternateObservations},
    {"ClimateResearchSite", sites::ClimateResearchSite}, {"CampusRadarSite", sites::CampusRadarSite},
    {"VisualisationSite", sites::VisualisationSite}, {"TvNetworkSite", sites::TvNetworkSite},
    {"DataCompanySite", sites::DataCompanySite}, {"CampusMeteoSite", sites::CampusMeteoSite},
    {"GoesImageSite", sites::GoesImageSite}, {"IslandCampusSite", sites::IslandCampusSite},
    {"UkMetSite", sites::UkMetSite}, {"ObservatorySite", sites::ObservatorySite},
    {"ArcticInstituteSite", sites::ArcticInstituteSite}, {"AntarcticCentreSite", sites::AntarcticCentreSite},
    {"PrairieCampusSite", sites::PrairieCampusSite}, {"ForecastCompanySite", sites::ForecastCompanySite},
    {"IslandNewsSite", sites::IslandNewsSite}, {"NewsNetworkSite", sites::NewsNetworkSite},
    {"SpaceScienceSite", sites::SpaceScienceSite}, {"NavyOceanSite", sites::NavyOceanSite},
    {"QuakeCentreSite", sites::QuakeCentreSite}, {"MarineSchoolSite", sites::MarineSchoolSite},
    {"WeatherPortalSite", sites::WeatherPortalSite}, {"FireAssessmentSite", sites::FireAssessmentSite},
    {"SatDataSite", sites::SatDataSite}, {"AviationSite", sites::AviationSite},
    {"AviationDataSite", sites::AviationDataSite}, {"SatStationSite", sites::SatStationSite},
    {"SolarImageSite", sites::SolarImageSite}, {"SolarMirrorSite", sites::SolarMirrorSite},
    {"NationalRadarSite", sites::NationalRadarSite}, {"StateRadarSite", sites::StateRadarSite},
    {"BuoyReportSite", sites::BuoyReportSite}, {"HoroscopePortalSite", sites::HoroscopePortalSite},
    {"TimeServerSite", sites::TimeServerSite}, {"PlanetReportSite", sites::PlanetReportSite},
    {"TriviaPortalSite", sites::TriviaPortalSite}, {"SkyGuideSite", sites::SkyGuideSite},
    {"NewsWireSite", sites::NewsWireSite},
};

// The README's table of keys ("| `key` | `default` | what it moves |"):
// each key with its default.
QMap<QString, QString> readmeKeys()
{
    QFile readme(QStringLiteral(CORVANE_DATA_DIR "/../README.md"));
    EXPECT_TRUE(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(readme.readAll());
    const qsizetype section = text.indexOf("\n## Site addresses\n");
    const QStringList lines = text.mid(section).section("\n## ", 1, 1).split('\n');
    const QRegularExpression row("^\\| `([^`]+)` \\| `([^`]+)` \\| .+ \\|$");
    QMap<QString, QString> keys;
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = row.match(line);
        if (match.hasMatch())
            keys.insert(match.captured(1), match.captured(2));
    }
    return keys;
}

} // namespace

// The README names every key with its default, and each one replaces it:
// a key it misspells or leaves out does nothing for the user who sets it.
TEST_F(SourceAddressesTest, EveryKeyOfTheReadmeReplacesTheDefaultItNames)
{
    QMap<QString, QString> documented = readmeKeys();
    for (const auto& [key, address] : kKeys) {
        ASSERT_TRUE(documented.contains(key)) << key << " is not in the README";
        const QString builtIn = address();
        EXPECT_EQ(builtIn, documented.take(key)) << key;
        SaveSetting("Sources", key, "  ");
        EXPECT_EQ(address(), builtIn) << key << ": a blank key counts as none";
        SaveSetting("Sources", key, "http://127.0.0.1:8080/mirror/" + QString(key));
        EXPECT_EQ(address(), "http://127.0.0.1:8080/mirror/" + QString(key)) << key;
    }
    EXPECT_TRUE(documented.isEmpty()) << "the README names keys that nothing reads: "
                                      << documented.keys().join(", ").toStdString();
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
