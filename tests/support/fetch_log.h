#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>

class InetControl;
class LocalHttpServer;

// What the program asked a local server for through one transfer control:
// one target per request, in order. The server's own log cannot tell this:
// the network layer may send a request again by itself (when a connection
// closes under it), and the server then sees the request twice.
class FetchLog : public QObject {
public:
    FetchLog(InetControl& control, const LocalHttpServer& server);

    // The target ("/path?query") of each request; empty for a request that
    // never reached the server.
    QList<QByteArray> targets() const;

private:
    const LocalHttpServer& server_;
    QList<qsizetype> starts_; // how many requests the server had seen when each began
};
