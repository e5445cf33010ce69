#pragma once
#include <QString>
#include <QtGlobal>
#include <optional>

// Fetching a page on demand with the main window's first transfer control,
// and the question every page command asks after a wait.

// True, with `busyText` in status panel 1, while that control still runs an
// earlier transfer: a page command then does nothing else.
bool refusedWhileBusy(const QString& busyText);

// The page's text after the connection set-up; nullopt when the fetch
// failed or timed out, or when the server answered with an HTTP error status
// (400 and over): such an answer carries the server's error page, not the
// page asked for.
std::optional<QString> fetchPage(const QString& url);

// Like fetchPage for a page of which only the start counts: the first
// `maxBytes` bytes of the reply. The rest of a longer reply is never fetched.
std::optional<QString> fetchPageStart(const QString& url, qint64 maxBytes);

// True once the program has begun to close. Page and picture commands ask
// after every wait (a handler run inside it may have closed the program):
// what they fetched is then dropped, and nothing more is shown or done.
bool programClosing();
