#include "platform/daytime_client.h"

#include "platform/waits.h"

#include <QNetworkProxy>
#include <QTcpSocket>

namespace {
constexpr qint64 kLongestReply = 4096;
constexpr int kDefaultTimeout = 60;
} // namespace

QString readDaytime(const QString& host, quint16 port, int timeoutSeconds)
{
    QTcpSocket socket;
    socket.setProxy(QNetworkProxy::NoProxy);
    QByteArray received;
    bool ended = false;
    auto take = [&] {
        received += socket.read(kLongestReply - received.size());
        if (received.size() >= kLongestReply)
            ended = true;
    };
    QObject::connect(&socket, &QTcpSocket::readyRead, take);
    QObject::connect(&socket, &QTcpSocket::disconnected, [&] { ended = true; });
    QObject::connect(&socket, &QTcpSocket::errorOccurred, [&] { ended = true; });
    socket.connectToHost(host, port);
    waitUntil([&] { return ended; }, timeoutSeconds > 0 ? timeoutSeconds : kDefaultTimeout);
    take();
    socket.abort();
    return QString::fromLatin1(received);
}
