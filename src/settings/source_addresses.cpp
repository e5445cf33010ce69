#include "settings/source_addresses.h"

namespace sources {

QString homePage()
{
    return QStringLiteral("https://corvane.example.org/home");
}

QString portalHost()
{
    return QStringLiteral("www.timeanddate.com");
}

QString portalForecastFolder()
{
    return QStringLiteral("https://www.timeanddate.com/weather");
}

QString uvBulletin()
{
    return QStringLiteral("https://www.cpc.ncep.noaa.gov/products/stratosphere/uv_index/bulletin.txt");
}

QString hawaiiListHost()
{
    return QStringLiteral("hawaii-obs.wx.example.org");
}

QString worldListMarker()
{
    return QStringLiteral("world-cities.wx.example.org/");
}

QString singaporeMarker()
{
    return QStringLiteral("sg-weather.wx.example.org/observations");
}

QString decodedHourlyHost()
{
    return QStringLiteral("hourly-obs.wx.example.org");
}

QString alternateConditions()
{
    return QStringLiteral("https://alt-obs.wx.example.org/wxnet/fcst/fcstdir/CUR/CONDITIONS.TXT");
}

QString alternateObservations()
{
    return QStringLiteral("https://alt-obs.wx.example.org/wxnet/fcst/fcstdir/OBS/");
}

} // namespace sources
