#pragma once
#include <QString>

// The observation logs in the text window: the station's own log or the
// shared one, read only.

// How many characters the text window takes from a log file.
inline constexpr qsizetype kLogViewerCapacity = 32767;

// The stored file of that name in a folder named "log" (any case) of the
// program folder, the name compared without regard to case (an exact match
// wins); empty when there is none.
QString findLogFile(const QString& programFolder, const QString& fileName);

// The window caption for a stored log name: the name without ".txt", the
// "_" before "Log" made a blank, all upper case ("NEW YORK_Log.txt" gives
// "NEW YORK LOG").
QString logCaption(const QString& storedName);

// A log's items, each on its own line: an item ends at a line end or at a
// comma outside double quotes, quotes around an item are removed and blanks
// around an unquoted one dropped. Stops before the item that would take the
// text past `capacity` characters; `complete` tells whether all was taken.
struct LogText {
    QString text;
    bool complete = true;
};
LogText logItemsText(const QString& content, qsizetype capacity = kLogViewerCapacity);

// Shows a log of the station in slot Index: Kind 7 the shared log, any other
// kind the station's own.
void Show_Log_File(int Index, int Kind);
