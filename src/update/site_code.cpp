#include "update/site_code.h"

#include "settings/source_addresses.h"

namespace {

const QLatin1String kHawaiiListHost("www.mkwc.ifa.hawaii.edu"); // a university's Hawaii observation list

} // namespace

SiteMarkers programSiteMarkers()
{
    return SiteMarkers{
        kHawaiiListHost,
        QStringLiteral("weather.uwyo.edu/"),      // a university's world city list: host and a trailing "/"
        QStringLiteral("www.nea.gov.sg/weather"), // the Singapore weather service: host and its first path word
        QStringLiteral("vortex.plymouth.edu"),    // a university's decoded hourly observation list
        QStringLiteral("www.timeanddate.com"),    // the portal whose city pages the "UA" reader takes apart
        sources::portalForecastFolder(),
    };
}

bool isPortalPage(const QString& url, const QString& portalHost, const QString& portalFolder)
{
    return (!portalHost.isEmpty() && url.contains(portalHost))
        || (!portalFolder.isEmpty() && url.startsWith(portalFolder + QLatin1Char('/')));
}

QString hawaiiListPrefix()
{
    return QStringLiteral("https://") + kHawaiiListHost;
}

QString siteCodeFor(const QString& slotUrl, const SiteMarkers& markers)
{
    const auto has = [&slotUrl](const QString& marker) { return !marker.isEmpty() && slotUrl.contains(marker); };
    if (slotUrl.contains(QLatin1String("/ak/")))
        return QStringLiteral("AK");
    if (has(markers.hawaiiHost))
        return QStringLiteral("HI");
    if (has(markers.worldList))
        return QStringLiteral("W1");
    if (has(markers.singapore))
        return QStringLiteral("W2");
    if (has(markers.decodedHourly))
        return QStringLiteral("CA");
    if (isPortalPage(slotUrl, markers.portalHost, markers.portalFolder))
        return QStringLiteral("UA");
    return QStringLiteral("NA");
}

QString siteCodeFor(const QString& slotUrl)
{
    return siteCodeFor(slotUrl, programSiteMarkers());
}
