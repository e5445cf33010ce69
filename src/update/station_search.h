#pragma once
#include "update/site_code.h"

#include <QString>

// Finding a station's line in its page.

struct StationSearch {
    enum Status {
        Found,      // `line` is the station line, `position` where it starts (1-based)
        Missing,    // the place is not in the page
        NoLineEnd,  // the place is there but its line never ends: not parsed
    };
    Status status = Missing;
    int position = 0; // in the page as it was handed over, whatever the search skipped
    QString line;
};

// Markers of the sources whose pages are searched differently.
struct SearchMarkers {
    QString roundupBase; // the roundup pages' address up to the state code that follows it
    // The sources told by their addresses: a portal page is the line whole,
    // tags removed; the decoded hourly list is searched after its "Station";
    // a roundup table's row holds the place in its name column.
    SiteMarkers sites;
};

// Whether the place found at `at` in a roundup page stands in a row's name
// column: only blanks before it in its line, and only blanks behind it up to
// the sky column.
bool inRoundupNameColumn(const QString& page, qsizetype at, qsizetype length);

// The program's own: the weather service's roundup address up to the state
// code, and the markers of the site codes (update/site_code.h).
SearchMarkers programSearchMarkers();

// Searches the page for the place as the watch list spells it, whatever the
// case of either ("CENTRAL PARK" finds "Central Park").
// A roundup page is searched from its state's zone codes on ("TXZ"), when
// they are there. The found line is upper-cased; a line shorter than 27
// characters is a heading or an index line, and the search goes on after it.
// In a roundup table ("NA" or "AK") a line is the station's row only where
// the place stands in the row's name column with nothing but blanks behind
// it up to the sky column; a zone's heading that names the place
// ("SEATTLE, TACOMA, EVERETT, AND VICINITY") or a longer name that begins
// or ends with it is passed over.
// The search only moves forward, so a page of any size ends quickly.
StationSearch findStationLine(const QString& page, const QString& slotUrl, const QString& place,
                              const SearchMarkers& markers);
