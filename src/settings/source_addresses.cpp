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

} // namespace sources
