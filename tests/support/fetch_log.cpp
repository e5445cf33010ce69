#include "support/fetch_log.h"

#include "platform/inet_control.h"
#include "support/local_http_server.h"

FetchLog::FetchLog(InetControl& control, const LocalHttpServer& server) : server_(server)
{
    connect(&control, &InetControl::StateChanged, this, [this](int state) {
        if (state == InetControl::icResolvingHost)
            starts_ << server_.requests().size();
    });
}

QList<QByteArray> FetchLog::targets() const
{
    // Whatever the server saw between the start of one request and the
    // next belongs to the first: its repeats, and the redirects it followed.
    const QList<HttpRequestRecord>& seen = server_.requests();
    QList<QByteArray> targets;
    for (qsizetype i = 0; i < starts_.size(); ++i) {
        const qsizetype next = i + 1 < starts_.size() ? starts_[i + 1] : seen.size();
        targets << (starts_[i] < next ? seen[starts_[i]].target : QByteArray());
    }
    return targets;
}
