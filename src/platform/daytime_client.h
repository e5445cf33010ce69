#pragma once
#include <QString>

// A daytime service answers a TCP connection with one line of text and
// closes it; nothing is sent to it.

// Connects to host:port and returns what the server sent until it closed
// (at most a few kilobytes, one character per byte). Pending window events
// run while it waits. Whatever arrived within `timeoutSeconds` is returned
// (zero or less: 60 seconds); a refused or unreachable server gives the
// empty text.
QString readDaytime(const QString& host, quint16 port, int timeoutSeconds);
