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
    QString portalFolder; // not a marker but a root: the addresses in this folder are portal pages
};

// The program's markers: fixed parts of the sources' own addresses (a
// mirror keeps them in its path to be read as that source), and the
// portal's forecast folder as the settings give it.
SiteMarkers programSiteMarkers();

// A portal page: the address holds the portal's host name, or lies in the
// portal's forecast folder (a moved folder moves the alternate places' pages).
bool isPortalPage(const QString& url, const QString& portalHost, const QString& portalFolder);

// "https://" and the Hawaii list's host (31 characters): report URLs that
// begin with it have no state forecasts or warnings pages.
QString hawaiiListPrefix();

// The first test that holds decides: "/ak/" in the URL, then the Hawaii,
// world-list, Singapore, decoded-hourly and portal markers; otherwise "NA".
// Every marker test is a plain, case-sensitive substring test; an empty
// marker never matches.
QString siteCodeFor(const QString& slotUrl, const SiteMarkers& markers);
QString siteCodeFor(const QString& slotUrl);
