#include "pictures/site_roots.h"

namespace sites {

QString ClimateResearchSite() { return QStringLiteral("https://iri.columbia.edu"); }
QString CampusRadarSite() { return QStringLiteral("https://mesonet.agron.iastate.edu"); }
QString VisualisationSite() { return QStringLiteral("https://www.earthwatch.com"); }
QString TvNetworkSite() { return QStringLiteral("https://www.weather.com"); }
QString DataCompanySite() { return QStringLiteral("https://weather.unisys.com"); }
QString CampusMeteoSite() { return QStringLiteral("https://vortex.plymouth.edu"); }
QString GoesImageSite() { return QStringLiteral("https://www.goes.noaa.gov"); }
QString IslandCampusSite() { return QStringLiteral("https://www.soest.hawaii.edu"); }
QString UkMetSite() { return QStringLiteral("https://www.metoffice.gov.uk"); }
QString ObservatorySite() { return QStringLiteral("https://aa.usno.navy.mil"); }
QString ArcticInstituteSite() { return QStringLiteral("https://www.uni-koeln.de"); }
QString AntarcticCentreSite() { return QStringLiteral("https://amrc.ssec.wisc.edu"); }
QString PrairieCampusSite() { return QStringLiteral("https://www.usask.ca"); }
QString ForecastCompanySite() { return QStringLiteral("https://www.weatherbank.com"); }
QString IslandNewsSite() { return QStringLiteral("https://www.hawaii.edu"); }
QString NewsNetworkSite() { return QStringLiteral("https://www.cnn.com"); }
QString SpaceScienceSite() { return QStringLiteral("https://www.ssec.wisc.edu"); }
QString NavyOceanSite() { return QStringLiteral("https://www.fnmoc.navy.mil"); }
QString QuakeCentreSite() { return QStringLiteral("https://earthquake.usgs.gov"); }
QString MarineSchoolSite() { return QStringLiteral("https://www.rsmas.miami.edu"); }
QString WeatherPortalSite() { return QStringLiteral("https://www.wunderground.com"); }
QString FireAssessmentSite() { return QStringLiteral("https://www.fs.usda.gov"); }
QString SatDataSite() { return QStringLiteral("https://www.ssd.noaa.gov"); }
QString AviationSite() { return QStringLiteral("https://www.aviationweather.gov"); }
QString AviationDataSite() { return QStringLiteral("https://adds.aviationweather.gov"); }
QString SatStationSite() { return QStringLiteral("https://www.sat.dundee.ac.uk"); }
QString SolarImageSite() { return QStringLiteral("https://sohowww.nascom.nasa.gov"); }
QString SolarMirrorSite() { return QStringLiteral("https://www.spaceweather.com"); }
QString NationalRadarSite() { return QStringLiteral("https://radar.weather.gov"); }
// No public service is known to keep still radar pictures state by state
// under one folder: this stands in our own name space until one does.
QString StateRadarSite() { return QStringLiteral("https://state-radar.example.net"); }

} // namespace sites
