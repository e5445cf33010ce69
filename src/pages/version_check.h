#pragma once
#include <QString>

// The check of the running version against the home page's "version.nfo".

enum class VersionVerdict { Missing, UpToDate, OutOfDate };

// The reply is missing when it is "ERROR" or holds "File Not Found". A site
// announcing an older version than `local` counts as up to date; otherwise
// only the reply's first five characters are compared with `local`.
VersionVerdict versionVerdict(const QString& reply, const QString& local);

// Fetches the version file on the main window's first transfer control;
// "ERROR" when the fetch fails. Status panel 1 then reads "Version Test Completed".
QString Get_Version_File(const QString& url);

// The Help menu's check: says what it found in a message box titled "Verify Version".
void CVVersion_Click();

// The silent check of the update: speaks only when the program is out of date.
bool Auto_Version_Check();
