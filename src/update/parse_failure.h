#pragma once

// Raised by a cut past the end of a report line, a marker that is missing
// where a position is needed, or a number that does not fit the reading's
// 16-bit range. The report parser catches it and recovers (report_parser.h).
struct ParseFailure {
    const char* what = "";
};

// Raised by a parser that finds the page says nothing about the station
// (a portal page without its readings block): the row is then marked not
// available, or kept when the user keeps the last readings.
struct ReportNotAvailable {
};
