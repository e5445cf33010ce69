#pragma once
#include <QString>
#include <optional>

// Fetching a page on demand with the main window's first transfer control.

// True, with `busyText` in status panel 1, while that control still runs an
// earlier transfer: a page command then does nothing else.
bool refusedWhileBusy(const QString& busyText);

// The page's text after the connection set-up; nullopt when the fetch
// failed or timed out (a page with an error status is still a page).
std::optional<QString> fetchPage(const QString& url);
