#pragma once
#include <QString>
#include <QStringList>

// What one update's pass made of the watched stations.
struct ReportsOutcome {
    bool logWritten = true;  // every observation-log record of the pass was written
    // The places whose rows keep what an earlier update fetched (their page
    // did not come, or had no new readings for them), each named once.
    QStringList notUpdated;
};

// The second half of an update: every watched station's row from its page,
// its UV and warnings, the alternate sources, the log, and the hand-over of
// the current station to the small windows and the tray, all in one unit:
// `celsius` for degrees Celsius, km/h and millibars, whatever the menu
// shows meanwhile. Every watched station gets one log record: its row, or,
// for a station this update did not read, "NOT AVBL" with no readings
// (the row on screen keeps what it had). Rows that an edit of the watch
// list moved or removed while the update waited are the exception: they get
// no record (a moved row keeps its texts, one past the list's new end is
// emptied). The time of the update (status panel 3) is set only when at
// least one station was read, or none is watched. A record that cannot be
// written does not stop the pass.
ReportsOutcome Process_Reports(bool celsius);

// Set_Inet, then the page at `url` on the update's control: its text, or
// the empty text when the server answered with an HTTP error status (that
// body is the server's excuse, not a report). A failed request throws
// InetError.
QString fetchUpdatePage(const QString& url);

// The time ("hh:mm") of the readings that the small windows show: the
// current station's own, or, with no station watched, the last update's.
// Empty when not known.
QString shownReadingsTime();

// "Updated", or "Not Updated" when the last update did not read the
// station that the small windows show.
QString shownReadingsState();

// The compact window's time of the shown readings (with no station watched,
// status panel 3), and the digital window's shownReadingsState().
void showLastUpdate();

// Status panel 1 at the end of an update: "Ready.....", then what did not
// go as it should and what came after it, each part after "; ": the places
// not updated, each in double quotes ("Not updated: "SEATAC AIRPORT",
// "HOQUIAM, WA""), the lost log records, and the `notes` that are not empty
// (what the mail check could not do, the hang-up).
QString updateEndText(const ReportsOutcome& outcome, const QStringList& notes = {});
