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
    bool longerName = false; // a roundup row whose longer name ends with the place
};

// Markers of the sources whose pages are searched differently.
struct SearchMarkers {
    QString roundupBase; // the roundup pages' address up to the state code that follows it
    // The sources told by their addresses: a portal page is the line whole,
    // tags removed; the decoded hourly list is searched after its "Station";
    // a roundup table's row holds the place in its name column.
    SiteMarkers sites;
};

// Where the line that holds `from` ends: its first line feed or carriage
// return at or after `from`; -1 when the page ends first.
qsizetype lineEnd(const QString& page, qsizetype from);

// A row of a roundup table that names the place in its name column.
struct RoundupRow {
    qsizetype lineStart = -1; // where the row starts; -1 when no row names the place
    bool longerName = false;  // the row's name is longer and ends with the place
};

// The next row at or after `from` whose name column holds the place, its
// letters compared as `cs` says, with only blanks behind it up to the sky
// column: alone, or, when `longerNames`, at the end of a longer name after a
// blank (NARROWS in TACOMA NARROWS). A zone's heading that names the place,
// or a longer name that only begins with it, is no such row.
RoundupRow nextRoundupRow(const QString& page, const QString& place, qsizetype from, bool longerNames,
                          Qt::CaseSensitivity cs);

// The program's own: the weather service's roundup address up to the state
// code, and the markers of the site codes (update/site_code.h).
SearchMarkers programSearchMarkers();

// Searches the page for the place as the watch list spells it; only when
// the page holds no line for it so spelled, for the place whatever the case
// of either ("CENTRAL PARK" finds "Central Park").
// A roundup page is searched from its state's zone codes on ("TXZ"), when
// they are there. The found line, up to its first line end, is
// upper-cased character by character, so it keeps its length and columns;
// a line shorter than 27 characters is a heading or an index line, and the
// search goes on after it.
// In a roundup table ("NA" or "AK") the station's line is its row from the
// first column: the first row whose name column holds the place alone,
// anywhere in the page; failing that (or when that row never ends), the
// first row whose longer name ends with it (`longerName`).
// Each search only moves forward and reads each line once, so its time
// follows the length of the page.
StationSearch findStationLine(const QString& page, const QString& slotUrl, const QString& place,
                              const SearchMarkers& markers);
