#include "settings/source_addresses.h"

#include "platform/settings_store.h"

namespace {

// The user's own address for a source, from section "Sources" of the
// settings store under the function's name; the built-in one when the key
// is missing or blank.
QString configured(const char* name, const QString& builtIn)
{
    const QString own = GetSetting(QStringLiteral("Sources"), QLatin1String(name), QString()).trimmed();
    return own.isEmpty() ? builtIn : own;
}

// The same for a root that its callers extend with a path beginning with
// "/": a trailing "/" of the user's address is dropped.
QString configuredRoot(const char* name, const QString& builtIn)
{
    QString root = configured(name, builtIn);
    const qsizetype scheme = root.indexOf(QLatin1String("://"));
    const qsizetype kept = scheme < 0 ? 0 : scheme + 3; // "https://" itself stays
    while (root.size() > kept && root.endsWith(QLatin1Char('/')))
        root.chop(1);
    return root;
}

} // namespace

namespace sources {

// Our own web space: the version file, the news text and the yearly meteor text.
QString homePage()
{
    return configuredRoot("homePage", QStringLiteral("https://corvane.example.org/home"));
}

// The portal's weather folder; the alternate places' pages are paths in it.
QString portalForecastFolder()
{
    return configuredRoot("portalForecastFolder", QStringLiteral("https://www.timeanddate.com/weather"));
}

// The national weather service's daily UV index bulletin (plain text, city rows).
QString uvBulletin()
{
    return configured("uvBulletin",
                      QStringLiteral("https://www.cpc.ncep.noaa.gov/products/stratosphere/uv_index/bulletin.txt"));
}

// No public server publishes the alternate conditions file and the per-state
// observation files in their fixed layout any more: these stand in our own
// name space until one does (a fetch from them simply finds nothing).
QString alternateConditions()
{
    return configured("alternateConditions",
                      QStringLiteral("https://alt-obs.wx.example.org/wxnet/fcst/fcstdir/CUR/CONDITIONS.TXT"));
}

QString alternateObservations()
{
    return configured("alternateObservations", QStringLiteral("https://alt-obs.wx.example.org/wxnet/fcst/fcstdir/OBS/"));
}

// The national weather service's data service, whose alerts list answers
// in GeoJSON for one state at a time.
QString alertsService()
{
    return configuredRoot("alertsService", QStringLiteral("https://api.weather.gov"));
}

QString planetReportPartner()
{
    return QStringLiteral("corvane");
}

} // namespace sources

namespace sites {

namespace {

QString& redirection()
{
    static QString localRoot;
    return localRoot;
}

QString siteRoot(const char* name, const char* publicRoot)
{
    if (redirection().isEmpty())
        return configuredRoot(name, QLatin1String(publicRoot));
    return redirection() + QLatin1Char('/') + QLatin1String(name);
}

} // namespace

void redirectSites(const QString& localRoot)
{
    redirection() = localRoot;
}


QString ClimateResearchSite() { return siteRoot("ClimateResearchSite", "https://iri.columbia.edu"); }
QString CampusRadarSite() { return siteRoot("CampusRadarSite", "https://mesonet.agron.iastate.edu"); }
QString VisualisationSite() { return siteRoot("VisualisationSite", "https://www.earthwatch.com"); }
QString TvNetworkSite() { return siteRoot("TvNetworkSite", "https://www.weather.com"); }
QString DataCompanySite() { return siteRoot("DataCompanySite", "https://weather.unisys.com"); }
QString CampusMeteoSite() { return siteRoot("CampusMeteoSite", "https://vortex.plymouth.edu"); }
QString GoesImageSite() { return siteRoot("GoesImageSite", "https://www.goes.noaa.gov"); }
QString IslandCampusSite() { return siteRoot("IslandCampusSite", "https://www.soest.hawaii.edu"); }
QString UkMetSite() { return siteRoot("UkMetSite", "https://www.metoffice.gov.uk"); }
QString ObservatorySite() { return siteRoot("ObservatorySite", "https://aa.usno.navy.mil"); }
QString ArcticInstituteSite() { return siteRoot("ArcticInstituteSite", "https://www.uni-koeln.de"); }
QString AntarcticCentreSite() { return siteRoot("AntarcticCentreSite", "https://amrc.ssec.wisc.edu"); }
QString PrairieCampusSite() { return siteRoot("PrairieCampusSite", "https://www.usask.ca"); }
QString ForecastCompanySite() { return siteRoot("ForecastCompanySite", "https://www.weatherbank.com"); }
QString IslandNewsSite() { return siteRoot("IslandNewsSite", "https://www.hawaii.edu"); }
QString NewsNetworkSite() { return siteRoot("NewsNetworkSite", "https://www.cnn.com"); }
QString SpaceScienceSite() { return siteRoot("SpaceScienceSite", "https://www.ssec.wisc.edu"); }
QString NavyOceanSite() { return siteRoot("NavyOceanSite", "https://www.fnmoc.navy.mil"); }
QString QuakeCentreSite() { return siteRoot("QuakeCentreSite", "https://earthquake.usgs.gov"); }
QString MarineSchoolSite() { return siteRoot("MarineSchoolSite", "https://www.rsmas.miami.edu"); }
QString WeatherPortalSite() { return siteRoot("WeatherPortalSite", "https://www.wunderground.com"); }
QString FireAssessmentSite() { return siteRoot("FireAssessmentSite", "https://www.fs.usda.gov"); }
QString SatDataSite() { return siteRoot("SatDataSite", "https://www.ssd.noaa.gov"); }
QString AviationSite() { return siteRoot("AviationSite", "https://www.aviationweather.gov"); }
QString AviationDataSite() { return siteRoot("AviationDataSite", "https://adds.aviationweather.gov"); }
QString SatStationSite() { return siteRoot("SatStationSite", "https://www.sat.dundee.ac.uk"); }
QString SolarImageSite() { return siteRoot("SolarImageSite", "https://sohowww.nascom.nasa.gov"); }
QString SolarMirrorSite() { return siteRoot("SolarMirrorSite", "https://www.spaceweather.com"); }
QString NationalRadarSite() { return siteRoot("NationalRadarSite", "https://radar.weather.gov"); }
// No public service is known to keep still radar pictures state by state
// under one folder: this stands in our own name space until one does.
QString StateRadarSite() { return siteRoot("StateRadarSite", "https://state-radar.example.net"); }
// No public server is known to publish the all-buoys report page or the daily
// horoscope pages under their fixed paths: these stand in our own name space.
QString BuoyReportSite() { return siteRoot("BuoyReportSite", "https://buoys.wx.example.org"); }
QString HoroscopePortalSite() { return siteRoot("HoroscopePortalSite", "https://portal.example.org"); }
QString TimeServerSite() { return siteRoot("TimeServerSite", "daytime://time.nist.gov:13"); }
// No public service is known to answer the planets report's request: it
// stands in our own name space, as does our partner identifier.
QString PlanetReportSite() { return siteRoot("PlanetReportSite", "https://planets.wx.example.org"); }
// No public site serves the trivia, sky and history articles between the
// markers the viewer cuts them at: these stand in our own name space.
QString TriviaPortalSite() { return siteRoot("TriviaPortalSite", "https://portal.wx.example.org"); }
QString SkyGuideSite() { return siteRoot("SkyGuideSite", "https://sky.observatory.example.org"); }
QString NewsWireSite() { return siteRoot("NewsWireSite", "https://news.portal.example.org"); }

QString SkyGuideHomePage() { return SkyGuideSite() + QStringLiteral("/"); }

} // namespace sites
