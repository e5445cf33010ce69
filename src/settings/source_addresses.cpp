#include "settings/source_addresses.h"

namespace sources {

// Our own web space: the version file, the news text and the yearly meteor text.
QString homePage()
{
    return QStringLiteral("https://corvane.example.org/home");
}

QString roundupBase()
{
    return QStringLiteral("forecast.weather.gov/product.php?site=NWS&issuedby=");
}

// A public weather portal whose city pages the "UA" reader takes apart.
QString portalHost()
{
    return QStringLiteral("www.timeanddate.com");
}

// The portal's weather folder; the alternate places' page templates start with it.
QString portalForecastFolder()
{
    return QStringLiteral("https://www.timeanddate.com/weather");
}

// The national weather service's daily UV index bulletin (plain text, city rows).
QString uvBulletin()
{
    return QStringLiteral("https://www.cpc.ncep.noaa.gov/products/stratosphere/uv_index/bulletin.txt");
}

// The University of Hawaii's weather centre, which lists the islands' observations.
QString hawaiiListHost()
{
    return QStringLiteral("www.mkwc.ifa.hawaii.edu");
}

QString hawaiiListPrefix()
{
    return QStringLiteral("https://") + hawaiiListHost();
}

// The University of Wyoming's weather server: surface reports of cities worldwide.
QString worldListMarker()
{
    return QStringLiteral("weather.uwyo.edu/");
}

// The Singapore weather service's weather pages (current observations).
QString singaporeMarker()
{
    return QStringLiteral("www.nea.gov.sg/weather");
}

// Plymouth State University's weather centre: decoded hourly observation lists.
QString decodedHourlyHost()
{
    return QStringLiteral("vortex.plymouth.edu");
}

// No public server publishes the alternate conditions file and the per-state
// observation files in their fixed layout any more: these stand in our own
// name space until one does (a fetch from them simply finds nothing).
QString alternateConditions()
{
    return QStringLiteral("https://alt-obs.wx.example.org/wxnet/fcst/fcstdir/CUR/CONDITIONS.TXT");
}

QString alternateObservations()
{
    return QStringLiteral("https://alt-obs.wx.example.org/wxnet/fcst/fcstdir/OBS/");
}

} // namespace sources
