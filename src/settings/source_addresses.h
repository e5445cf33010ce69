#pragma once
#include <QString>

// Every address the program fetches from is named here, so that the windows,
// the update and the shipped data agree on one set of values.
namespace sources {

// Home-page folder of the program (version file, news), without a trailing "/".
QString homePage();

// Host name by which a report URL is recognised as a portal city page.
QString portalHost();

// Forecast folder of the portal, where the alternate-place pages live.
QString portalForecastFolder();

// The national UV index bulletin: one row per city with its UV value.
QString uvBulletin();

// The national weather service's roundup product address up to the state
// code that follows it ("...issuedby=TX&..."): such a report page is
// searched from that state's zone codes on.
QString roundupBase();

// Markers by which a report URL is recognised as one of the university and
// world sources (each a plain substring of the URL).
QString hawaiiListHost();        // a university's Hawaii observation list
QString worldListMarker();       // a university's world city list: host and a trailing "/"
QString singaporeMarker();       // the Singapore weather service: host and its first path word
QString decodedHourlyHost();     // a university's decoded hourly observation list

// Scheme and host of the Hawaii observation list's addresses, exactly 31
// characters: report URLs that begin with it have no state forecasts or
// warnings pages.
QString hawaiiListPrefix();

// The alternate source's plain-text conditions file, and its folder of
// per-state observation files ("TX.OBS").
QString alternateConditions();
QString alternateObservations();

} // namespace sources
