#pragma once
#include <QString>

// The check of the running version against the version number at the start
// of the home page's "version.nfo".

enum class VersionVerdict { Missing, NoVersion, UpToDate, OutOfDate };

// The reply is missing when it is "ERROR" or holds "File Not Found"; it
// holds no version when it does not start with a version number (an empty
// file, a web page); out of date when it announces a newer version than
// `local`, compared number by number (1.10.0 is newer than 1.9.9, 2.0 than
// 1.7.7); else up to date.
VersionVerdict versionVerdict(const QString& reply, const QString& local);

// A version file starts with a version number; what follows it (release
// notes, say) does not count, and is not read past this many bytes.
inline constexpr qint64 kVersionFileBytes = 1024;

// Fetches the start of the version file on the main window's first transfer
// control; "ERROR" when the fetch fails or the server answers with an error
// status. Status panel 1 then reads "Version Test Completed", or "Version
// Test Failed" when the file is missing or holds no version number.
QString Get_Version_File(const QString& url);

// The Help menu's check: says what it found in a message box titled "Verify Version".
void CVVersion_Click();

// The silent check of the update: speaks only when the program is out of date.
bool Auto_Version_Check();
