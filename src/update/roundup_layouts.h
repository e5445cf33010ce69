#pragma once
#include <QString>

// The column layouts of the weather service's roundup tables. The service
// has moved the columns over the years; a table's heading line tells which
// layout its rows stand in.

// Widths of the fixed columns, left to right; the remarks take the rest.
struct RoundupColumns {
    int name, sky, temperature, dewpoint, humidity, wind, pressure;
};

// Every state layout's name column: the sky column follows it. (The Alaska
// table's own name column is one wider.)
inline constexpr int kRoundupNameWidth = 15;

struct RoundupLayout {
    const char* heading;  // how the table's heading line begins; "" for tables of any other heading or none
    RoundupColumns columns;

    bool hasHeading() const { return heading[0] != '\0'; }
};

// The layout of the table that a line stands in, found from the nearest
// heading line above `position` (1-based in `page`): a line that begins
// with "CITY" and holds "SKY/WX". A heading of no known layout, or no
// heading at all, gives the first layout, whose heading is "".
const RoundupLayout& roundupLayoutAt(const QString& page, qsizetype position);
