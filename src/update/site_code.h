#pragma once
#include <QString>

// The source of a station's report page, told by its URL. The code selects
// the parser: "AK" Alaska roundup, "HI" Hawaii list, "W1" world city list,
// "W2" Singapore weather service, "CA" decoded hourly list, "UA" portal
// city page, "NA" state roundup (the default).

struct SiteMarkers {
    QString hawaiiHost;
    QString worldList;
    QString singapore;
    QString decodedHourly;
    QString portalHost;
};

// The markers of the program's configured sources (settings/source_addresses.h).
SiteMarkers configuredSiteMarkers();

// The first test that holds decides: "/ak/" in the URL, then the Hawaii,
// world-list, Singapore, decoded-hourly and portal markers; otherwise "NA".
// Every test is a plain, case-sensitive substring test; an empty marker
// never matches.
QString siteCodeFor(const QString& slotUrl, const SiteMarkers& markers);
QString siteCodeFor(const QString& slotUrl);
