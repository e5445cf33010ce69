#pragma once
#include <QString>

// The web sites the picture catalogue fetches from, one root per kind of site
// (scheme and host, no trailing "/"). Every catalogue address is one of these
// roots followed by a path that begins with "/".
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

} // namespace sites
