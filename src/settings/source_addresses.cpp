#include "settings/source_addresses.h"

namespace sources {

QString homePage()
{
    return QStringLiteral("https://corvane.example.org/home");
}

QString portalHost()
{
    return QStringLiteral("www.wunderground.com");
}

QString portalForecastFolder()
{
    return QStringLiteral("https://www.wunderground.com/global/stations");
}

} // namespace sources
