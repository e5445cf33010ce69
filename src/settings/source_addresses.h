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

} // namespace sources
