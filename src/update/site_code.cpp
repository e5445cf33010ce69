#include "update/site_code.h"

#include "settings/source_addresses.h"

SiteMarkers configuredSiteMarkers()
{
    return SiteMarkers{sources::hawaiiListHost(), sources::worldListMarker(), sources::singaporeMarker(),
                       sources::decodedHourlyHost(), sources::portalHost()};
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
    if (has(markers.portalHost))
        return QStringLiteral("UA");
    return QStringLiteral("NA");
}

QString siteCodeFor(const QString& slotUrl)
{
    return siteCodeFor(slotUrl, configuredSiteMarkers());
}
