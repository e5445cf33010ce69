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

} // namespace sources
