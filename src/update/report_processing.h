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
// shows meanwhile. Only a station whose row says what this update fetched
// is logged; the time of the update (status panel 3) is set only when at
// least one station's was. A record that cannot be written does not stop
// the pass.
ReportsOutcome Process_Reports(bool celsius);

// Set_Inet, then the page at `url` on the update's control: its text, or
// the empty text when the server answered with an HTTP error status (that
// body is the server's excuse, not a report). A failed request throws
// InetError.
QString fetchUpdatePage(const QString& url);

// The compact window's time of the last readings fetched (status panel 3),
// and the digital window's "Updated", or "Not Updated" after an update that
// fetched no station's readings.
void showLastUpdate();

// Status panel 1 at the end of an update: "Ready.....", then the places not
// updated, the lost log records and `mailNote` (what the mail check could
// not do), when there are any.
QString updateEndText(const ReportsOutcome& outcome, const QString& mailNote = QString());
