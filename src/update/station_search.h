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
    int position = 0; // in the page as it was handed over, whatever the search skipped
    QString line;
};

// Markers of the sources whose pages are searched differently.
struct SearchMarkers {
    QString roundupBase;     // the roundup pages' address up to the state code that follows it
    QString portalHost;      // a portal page: the whole page, tags removed, is the line
    QString decodedHourly;   // the decoded hourly list: the search starts after "Station"
    QString portalFolder;    // the portal's forecast folder: its pages are portal pages too
};

// The program's own: the weather service's roundup address up to the state
// code, and the markers of the site codes (update/site_code.h).
SearchMarkers programSearchMarkers();

// Searches the page for the place as the watch list spells it, whatever the
// case of either ("CENTRAL PARK" finds "Central Park").
// A roundup page is searched from its state's zone codes on ("TXZ"), when
// they are there. The found line is upper-cased; a line shorter than 27
// characters is a heading or an index line, and the search goes on after it.
// The search only moves forward, so a page of any size ends quickly.
StationSearch findStationLine(const QString& page, const QString& slotUrl, const QString& place,
                              const SearchMarkers& markers);
