#pragma once
#include <QString>
#include <QStringList>
#include <array>

struct SiteMarkers;

// Turns the watch list into the report-page URL of each of the ten slots.

struct SlotUrls {
    std::array<QString, 10> url{};
    std::array<bool, 10> on{};
};

// `states` and `stateUrls` are the parallel state and URL lists, `alternates`
// the alternate-place table ("*" state, URL template, places...), whose
// templates are paths in the portal's forecast folder (markers.portalFolder).
// Portal pages are told by `markers` as the site codes tell them. An entry
// whose state is in neither table, or whose table row has no URL, leaves its
// slot empty and off.
SlotUrls buildSlotUrls(const QStringList& watchList, const QStringList& states, const QStringList& stateUrls,
                       const QStringList& alternates, bool fahrenheit, const SiteMarkers& markers);

// A place made safe for a portal URL: blanks and hyphens become "_",
// apostrophes go, and the first full stop is removed.
QString urlSafePlace(const QString& place);

// Rebuilds program().SlotURL and SlotOn from the options dialog's lists;
// portal pages are asked for in degrees Celsius when `celsius` is set.
void Build_URLs(bool celsius);
