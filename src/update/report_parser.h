#pragma once
#include "update/station_row.h"

#include <QString>

// Turning a station's report line into its row of readings.

struct ReportRequest {
    QString siteCode;       // "UA", "W1", "W2", "NA", "AK", "HI" or "CA" (update/site_code.h)
    QString line;           // the station line; for "UA" the whole page without its tags
    QString pageText;       // the page the line was found in
    QString place;          // the place as the watch list spells it
    qsizetype position = 1; // where the line starts in the page, 1-based
    bool metric = false;    // degrees Celsius, km/h and millibars
    bool keepLast = false;  // a station without a report keeps its last readings
    bool longerName = false; // the line is a roundup row whose longer name ends with the place
};

// Writes the row's captions from condition to UV by the site code's parser
// (the place caption is the caller's). A roundup line is a row from its
// first column, cut in the columns of the table it stands in
// (update/roundup_layouts.h). A line that says "NOT AVBL" or
// "NOT AVAILABLE" (or a portal page without its readings block) marks the
// row not available, unless `keepLast` is set and the row had a condition
// when the call began: then the row is left as it was. An unknown site code
// changes nothing. Returns false when the row was left as it stood (a kept
// row, an unknown site code), true when it says what the line says.
//
// When a parser fails (a line too short for its columns, a missing marker,
// a number out of range) the place is looked for once more further on in
// the page, as spelled and, failing that, case ignored (in a roundup table
// only in a later row that the station search would take, read from its
// first column), and that line is parsed instead; when the place does not
// occur again the row is marked not available. A failure after that, or in
// the remarks field, empties the field in hand and parsing goes on, so a
// damaged line yields a row with some empty fields.
bool Parse_Report(const ReportRequest& request, StationRow& row);

// True when a report line says the station has no report.
bool saysNotAvailable(const QString& line);

// "NOT AVBL" as the condition, every other reading but the place empty.
void markNotAvailable(StationRow& row);
