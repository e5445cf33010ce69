#pragma once
#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <optional>

// The Help menu's clock check: compares the computer's clock with a time
// server's daytime line and, on request, sets the clock from it.
//
// The daytime line is read by fixed positions, counting its leading line
// feed as the first character:
//   "\nJJJJJ YR-MO-DA HH:MM:SS TT L H msADV UTC(NIST) OTM"
// JJJJJ the day number, TT the daylight-saving code, L the leap-second flag,
// H the health digit ("0" when the server is healthy).

struct DaytimeReading {
    QString dateText;     // "MO-DA-YR"
    QString timeText;     // "HH:MM:SS", Coordinated Universal Time
    QString daylightText; // "Standard Time", "Daylight Savings Time" or empty
    bool healthy = false;
    // The server's date and time as an instant; nullopt when they do not
    // read as such (two digits in each place, a real day and time), and
    // then the reply is no time at all.
    std::optional<QDateTime> instant;
};

DaytimeReading readDaytimeLine(const QString& reply);

// The daylight-saving code's meaning: 0 and 51 to 99 standard time, 1 to 50
// daylight saving time, anything else the empty text.
QString daylightSavingText(const QString& code);

// The box that offers to set the clock, and the box of an unhealthy server.
QString clockOfferText(const DaytimeReading& reading, const QString& systemTime);
QString clockErrorText(const DaytimeReading& reading);

// The instant to set the clock to: the server's time of day converted to
// local time, on the computer's date, or on the day before or after when
// the nearer way from the computer's time to it passes midnight.
QDateTime clockTarget(const QDateTime& computerNow, const QDateTime& serverInstant, const QTimeZone& zone);

// The menu command "Check System Time". Status panel 1 says while it waits
// for the time server, and afterwards is empty, or says that the server
// could not be reached or that its answer could not be read.
void GreenwichTime_Click();
