#pragma once
#include <QString>

// Every address the program fetches from is named here, but for the
// stations' report pages, which the station list States_Cities.cvd names; so
// the windows, the update and the shipped data agree on one set of values.
//
// Each address and site root below can be replaced by the user: a key of
// section "Sources" in the per-user settings store, named as the function
// ("alertsService=http://127.0.0.1:8080"), gives the value used instead (a
// mirror, or a local server under test). A blank key counts as missing; a
// root that paths are added to loses a trailing "/". Only the planets
// partner identifier and the sky pages' home page (made from its site) have
// no key of their own. Which reader a station's page gets is told by the
// page's own address (update/site_code.h), not by a setting.
namespace sources {

// Home-page folder of the program (version file, news), without a trailing "/".
QString homePage();

// Forecast folder of the portal, where the alternate-place pages live.
QString portalForecastFolder();

// The national UV index bulletin: one row per city with its UV value.
QString uvBulletin();

// The partner identifier by which the planets report's service knows us.
QString planetReportPartner();

// The alternate source's plain-text conditions file, and its folder of
// per-state observation files ("TX.OBS").
QString alternateConditions();
QString alternateObservations();

// The weather service's data service (scheme and host, no trailing "/"):
// its active alerts of a state are at "/alerts/active?area=XX".
QString alertsService();

} // namespace sources

// The web sites the picture catalogue and the information pages fetch from,
// one root per kind of site (scheme and host, no trailing "/"). Every such
// address is one of these roots followed by a path that begins with "/".
namespace sites {


QString ClimateResearchSite();  // a climate research institute's web server
QString CampusRadarSite();      // a university meteorology department's radar server
QString VisualisationSite();    // a weather-visualisation company
QString TvNetworkSite();        // a weather television network
QString DataCompanySite();      // a computer company's weather-data pages
QString CampusMeteoSite();      // a university server of forecast and analysis maps
QString GoesImageSite();        // the national satellite service's GOES images
QString IslandCampusSite();     // an island university's earth-science server
QString UkMetSite();            // the United Kingdom's national weather service
QString ObservatorySite();      // the naval observatory
QString ArcticInstituteSite();  // a European university's meteorology institute
QString AntarcticCentreSite();  // a university's Antarctic research centre
QString PrairieCampusSite();    // a Canadian university's satellite server
QString ForecastCompanySite();  // a weather-forecast company
QString IslandNewsSite();       // an island university's news site
QString NewsNetworkSite();      // a news network's weather pages
QString SpaceScienceSite();     // a university's space science centre
QString NavyOceanSite();        // the navy's oceanography centre
QString QuakeCentreSite();      // the geological survey's earthquake centre
QString MarineSchoolSite();     // a university's marine science school
QString WeatherPortalSite();    // a weather portal whose pages name composite pictures
QString FireAssessmentSite();   // the forest service's fire assessment
QString SatDataSite();          // the national satellite service's data server
QString AviationSite();         // the aviation weather centre
QString AviationDataSite();     // the aviation weather centre's data service
QString SatStationSite();       // a university satellite receiving station
QString SolarImageSite();       // the space agency's solar images
QString SolarMirrorSite();      // a private mirror of solar data
QString NationalRadarSite();    // the national weather service's radar pictures
QString StateRadarSite();       // an online service's weather pages with a radar picture per state
QString BuoyReportSite();       // a university meteorology server's buoy report page
QString HoroscopePortalSite();  // a web portal's daily horoscope pages
// The time server: answers a TCP connection with one daytime line and
// closes it. Only the host and port of this root are used.
QString TimeServerSite();
QString PlanetReportSite();     // a weather service's sun, moon and planets report
QString TriviaPortalSite();     // a web portal's daily weather-trivia page
QString SkyGuideSite();         // a university observatory's public sky pages
QString NewsWireSite();         // a web portal's news service (this date in history)

// The observatory's home page, named at the end of the sky pages.
QString SkyGuideHomePage();

// Tests point every site at a local server: the root of the site whose
// function is named X becomes "<localRoot>/X", whatever the settings store
// says. An empty text gives the configured roots back.
void redirectSites(const QString& localRoot);

} // namespace sites
