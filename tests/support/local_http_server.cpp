#include "support/local_http_server.h"

#include <QHostAddress>
#include <QPointer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <sys/socket.h>

namespace {

QByteArray reasonFor(int status)
{
    switch (status) {
    case 200: return "OK";
    case 204: return "No Content";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 307: return "Temporary Redirect";
    case 308: return "Permanent Redirect";
    case 400: return "Bad Request";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 407: return "Proxy Authentication Required";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

bool sameName(const QByteArray& a, const QByteArray& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

bool hasHeaderNamed(const QList<QPair<QByteArray, QByteArray>>& headers, const QByteArray& name)
{
    return std::any_of(headers.begin(), headers.end(), [&](const auto& h) { return sameName(h.first, name); });
}

// The path part of a request target, for both "/p?q" and "http://host/p?q".
QByteArray pathOf(QByteArray target)
{
    const qsizetype scheme = target.indexOf("://");
    if (scheme >= 0 && scheme < target.indexOf('/')) {
        const qsizetype slash = target.indexOf('/', scheme + 3);
        target = slash < 0 ? QByteArray("/") : target.mid(slash);
    }
    return target;
}

} // namespace

// ---------------------------------------------------------------------------

HttpReply HttpReply::text(const QByteArray& body, const QByteArray& contentType)
{
    HttpReply reply;
    reply.body = body;
    reply.headers.append({"Content-Type", contentType});
    return reply;
}

HttpReply HttpReply::bytes(const QByteArray& body, const QByteArray& contentType)
{
    return text(body, contentType);
}

HttpReply HttpReply::redirect(const QByteArray& location, int status)
{
    HttpReply reply;
    reply.status = status;
    reply.headers.append({"Location", location});
    reply.body = "moved";
    return reply;
}

HttpReply HttpReply::of(Mode mode)
{
    HttpReply reply;
    reply.mode = mode;
    return reply;
}

HttpReply& HttpReply::header(const QByteArray& name, const QByteArray& value)
{
    headers.append({name, value});
    return *this;
}

HttpReply& HttpReply::after(int milliseconds)
{
    delayMs = milliseconds;
    return *this;
}

QByteArray HttpRequestRecord::header(const QByteArray& name) const
{
    for (const auto& h : headers)
        if (sameName(h.first, name))
            return h.second;
    return QByteArray();
}

bool HttpRequestRecord::hasHeader(const QByteArray& name) const
{
    return hasHeaderNamed(headers, name);
}

// ---------------------------------------------------------------------------

struct LocalHttpServer::Connection {
    QPointer<QTcpSocket> socket;
    QByteArray buffer;
    bool waiting = false; // an answer is still being sent; later requests wait
    bool silent = false;  // the connection answers nothing more
    qint64 streamLeft = 0;
    bool streamClosed = false;
};

LocalHttpServer::LocalHttpServer(QObject* parent) : QObject(parent)
{
    fallback_ = HttpReply::text("not here", "text/plain");
    fallback_.status = 404;
}

LocalHttpServer::~LocalHttpServer() = default;

bool LocalHttpServer::listen()
{
    server_ = std::make_unique<QTcpServer>();
    tls_ = false;
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = server_->nextPendingConnection())
            accept(socket);
    });
    return server_->listen(QHostAddress::LocalHost, 0);
}

bool LocalHttpServer::listenTls(const QSslCertificate& certificate, const QSslKey& key)
{
    auto server = std::make_unique<QSslServer>();
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificate(certificate);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
    server->setSslConfiguration(configuration);
    server_ = std::move(server);
    tls_ = true;
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = server_->nextPendingConnection())
            accept(socket);
    });
    return server_->listen(QHostAddress::LocalHost, 0);
}

quint16 LocalHttpServer::port() const
{
    return server_ ? server_->serverPort() : 0;
}

QString LocalHttpServer::url(const QString& path) const
{
    return QStringLiteral("%1://127.0.0.1:%2%3").arg(tls_ ? "https" : "http").arg(port()).arg(path);
}

void LocalHttpServer::route(const QByteArray& path, const HttpReply& reply)
{
    routes_[path] = [reply](const HttpRequestRecord&) { return reply; };
}

void LocalHttpServer::route(const QByteArray& path, Handler handler)
{
    routes_[path] = std::move(handler);
}

void LocalHttpServer::setFallback(const HttpReply& reply)
{
    fallback_ = reply;
}

void LocalHttpServer::requireProxyCredentials(const QByteArray& user, const QByteArray& password)
{
    proxyCredentials_ = "Basic " + (user + ":" + password).toBase64();
}

int LocalHttpServer::count(const QByteArray& path) const
{
    return static_cast<int>(std::count_if(requests_.begin(), requests_.end(),
                                          [&](const HttpRequestRecord& r) { return r.path == path; }));
}

quint16 LocalHttpServer::refusedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void LocalHttpServer::accept(QTcpSocket* socket)
{
    ++connections_;
    auto connection = std::make_shared<Connection>();
    connection->socket = socket;
    connect(socket, &QTcpSocket::readyRead, socket, [this, connection] {
        if (!connection->socket)
            return;
        connection->buffer += connection->socket->readAll();
        parse(connection);
    });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (socket->bytesAvailable() > 0) {
        connection->buffer += socket->readAll();
        parse(connection);
    }
}

void LocalHttpServer::parse(const std::shared_ptr<Connection>& connection)
{
    while (!connection->waiting && !connection->silent) {
        QByteArray& buffer = connection->buffer;
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        HttpRequestRecord request;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        request.version = first.value(2);
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines[i].trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon > 0)
                request.headers.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
        }
        const qsizetype length = request.header("Content-Length").toLongLong();
        if (buffer.size() < end + 4 + length)
            return;
        request.body = buffer.mid(end + 4, length);
        buffer.remove(0, end + 4 + length);
        const QByteArray target = pathOf(request.target);
        request.path = target.left(target.indexOf('?') < 0 ? target.size() : target.indexOf('?'));
        requests_.append(request);

        const QByteArray connectionHeader = request.header("Connection").toLower();
        const bool keepAlive = request.version == "HTTP/1.1" ? !connectionHeader.contains("close")
                                                             : connectionHeader.contains("keep-alive");
        if (!proxyCredentials_.isEmpty() && request.header("Proxy-Authorization") != proxyCredentials_) {
            HttpReply challenge = HttpReply::text("proxy credentials needed", "text/plain");
            challenge.status = 407;
            challenge.header("Proxy-Authenticate", "Basic realm=\"corvane-test\"");
            answer(connection, challenge, keepAlive);
        } else {
            answer(connection, replyFor(request), keepAlive);
        }
    }
}

HttpReply LocalHttpServer::replyFor(const HttpRequestRecord& request) const
{
    const QByteArray target = pathOf(request.target);
    if (const auto whole = routes_.find(target); whole != routes_.end())
        return (*whole)(request);
    if (const auto byPath = routes_.find(request.path); byPath != routes_.end())
        return (*byPath)(request);
    return fallback_;
}

void LocalHttpServer::answer(const std::shared_ptr<Connection>& connection, const HttpReply& reply, bool keepAlive)
{
    connection->waiting = true;
    QTcpSocket* socket = connection->socket;
    if (!socket)
        return;
    auto send = [this, connection, reply, keepAlive] {
        QTcpSocket* socket = connection->socket;
        if (!socket)
            return;
        using Mode = HttpReply::Mode;
        if (reply.mode == Mode::NeverAnswer) {
            connection->silent = true;
            return;
        }
        if (reply.mode == Mode::CloseWithoutAnswer) {
            connection->silent = true;
            socket->disconnectFromHost();
            return;
        }
        const bool closes = !keepAlive || reply.mode != Mode::Normal;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(reply.status) + " "
            + (reply.reason.isEmpty() ? reasonFor(reply.status) : reply.reason) + "\r\n";
        for (const auto& h : reply.headers)
            head += h.first + ": " + h.second + "\r\n";
        if (!hasHeaderNamed(reply.headers, "Content-Length")) {
            if (reply.mode == Mode::Trickle) {
                head += "Content-Length: 1000000\r\n";
            } else if (reply.mode == Mode::Stream) {
                if (reply.announceLength)
                    head += "Content-Length: " + QByteArray::number(reply.streamBytes) + "\r\n";
            } else {
                head += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
            }
        }
        if (!hasHeaderNamed(reply.headers, "Connection"))
            head += closes ? "Connection: close\r\n" : "Connection: keep-alive\r\n";
        head += "\r\n";
        socket->write(head);

        if (reply.mode == Mode::ResetHalfway) {
            connection->silent = true;
            socket->write(reply.body.left(reply.body.size() / 2));
            socket->flush();
            QTimer::singleShot(100, socket, [socket] {
                // Linger zero: closing sends a reset instead of an orderly end.
                struct linger hard {1, 0};
                ::setsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard,
                             sizeof hard);
                socket->abort();
            });
            return;
        }
        if (reply.mode == Mode::Trickle) {
            connection->silent = true;
            auto* drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket, [socket] { socket->write("x"); });
            drip->start(std::max(1, reply.pieceDelayMs));
            return;
        }
        if (reply.mode == Mode::Stream) {
            connection->silent = true;
            connection->streamLeft = reply.streamBytes;
            connect(socket, &QTcpSocket::bytesWritten, socket, [this, connection] { stream(connection); });
            stream(connection);
            return;
        }

        // Normal: the body in its pieces.
        const int pieces = std::max(1, reply.pieces);
        const qsizetype size = (reply.body.size() + pieces - 1) / pieces;
        auto finish = [this, connection, closes] {
            if (!connection->socket)
                return;
            if (closes) {
                connection->silent = true;
                connection->socket->disconnectFromHost();
                return;
            }
            connection->waiting = false;
            parse(connection);
        };
        if (pieces == 1 || reply.body.isEmpty()) {
            socket->write(reply.body);
            finish();
            return;
        }
        for (int i = 0; i < pieces; ++i) {
            const QByteArray part = reply.body.mid(i * size, size);
            const bool last = i == pieces - 1;
            auto sendPart = [connection, part, last, finish] {
                if (!connection->socket)
                    return;
                connection->socket->write(part);
                if (last)
                    finish();
            };
            if (i == 0)
                sendPart();
            else
                QTimer::singleShot(i * reply.pieceDelayMs, socket, sendPart);
        }
    };
    if (reply.delayMs > 0)
        QTimer::singleShot(reply.delayMs, socket, send);
    else
        send();
}

void LocalHttpServer::stream(const std::shared_ptr<Connection>& connection)
{
    QTcpSocket* socket = connection->socket;
    if (!socket || socket->state() != QAbstractSocket::ConnectedState || connection->streamClosed)
        return;
    static const QByteArray filler(64 * 1024, 'x');
    while (connection->streamLeft > 0 && socket->bytesToWrite() < 256 * 1024) {
        const qint64 n = std::min<qint64>(connection->streamLeft, filler.size());
        socket->write(filler.constData(), n);
        connection->streamLeft -= n;
    }
    if (connection->streamLeft == 0) {
        connection->streamClosed = true;
        socket->disconnectFromHost();
    }
}
