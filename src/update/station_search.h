#pragma once
#include <QString>

// Finding a station's line in its page.

struct StationSearch {
    enum Status {
        Found,      // `line` is the station line, `position` where it starts (1-based)
        Missing,    // the place is not in the page
        NoLineEnd,  // the place is there but its line never ends: not parsed
    };
    Status status = Missing;
    int position = 0;
    QString line;
};

// Markers of the sources whose pages are searched differently.
struct SearchMarkers {
    QString roundupBase;     // the roundup pages' base address (the state folder follows it)
    QString portalHost;      // a portal page: the whole page, tags removed, is the line
    QString decodedHourly;   // the decoded hourly list: the search starts after "Station"
};

// Searches the page for the place as the watch list spells it (exact case).
// The found line is upper-cased; a line shorter than 27 characters is a
// heading or an index line, and the search goes on after it.
StationSearch findStationLine(const QString& page, const QString& slotUrl, const QString& place,
                              const SearchMarkers& markers);
