#pragma once
#include "update/station_row.h"

#include <QDateTime>
#include <QString>
#include <QStringList>

// The observation log: one record per logged station per update, in the
// folder "Log" under the program folder.

struct LogRecord {
    QString entry;        // the watch-list entry as the user's list shows it
    QString condition, temperature, dewpoint, humidity, wind, pressure, remarks, uv;
};

// The record's lines: one "|"-separated line in the short format, or the
// twelve-line block. `fahrenheit` chooses the unit words of the block.
QStringList logRecordLines(const LogRecord& record, bool compressed, bool fahrenheit, const QDateTime& when);

// The log file's name in the Log folder: "CV_Log.txt", or the place caption
// and "_Log.txt" for one file per station. Characters that would leave the
// folder or are unsafe in a file name ("/", "\", control characters, a
// name made of dots) become "_"; a plain caption keeps its name exactly.
QString logFileName(const QString& placeCaption, bool separateFiles);

// Appends the record, creating the Log folder when it is missing. Returns
// false when the folder or file could not be written.
bool appendLogRecord(const QString& placeCaption, bool separateFiles, const QStringList& lines);

// Writes the log record of slot `index` with the readings of `row`, when
// logging is on and the slot's watch-list entry is checked; `celsius` is
// the unit the row was read in. Returns false when the record could not be
// written.
bool Write_Log(int index, const StationRow& row, bool celsius);

// The status text that says records were lost: names the Log folder.
QString logNotWrittenText();
