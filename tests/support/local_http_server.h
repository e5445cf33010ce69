#pragma once
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>
#include <functional>
#include <memory>

class QSslCertificate;
class QSslKey;
class QTcpServer;
class QTcpSocket;

// A small scriptable HTTP/1.1 server on 127.0.0.1 for tests. It runs in the
// test's own thread: it answers while the code under test lets events run
// (as every transfer does while it waits). Routes give canned replies, with
// delays, slow bodies, redirects, resets, silence, trickles and endless
// streams; every request is logged with its headers. It also serves as an
// HTTP proxy: a request in proxy form ("GET http://host/path") is routed by
// its path, and requireProxyCredentials makes it ask for Basic proxy
// credentials.

struct HttpReply {
    enum class Mode {
        Normal,             // status line, headers and body (in `pieces` parts, `pieceDelayMs` apart)
        NeverAnswer,        // reads the request, then stays silent with the connection open
        CloseWithoutAnswer, // reads the request, then closes the connection
        ResetHalfway,       // announces the whole body, sends the first half, then resets the connection
        Stream,             // sends `streamBytes` filler bytes, then closes (length announced or not)
        Trickle,            // announces a long body, then sends one byte every `pieceDelayMs` for ever
    };

    int status = 200;
    QByteArray reason; // empty: the usual phrase for the status
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;
    Mode mode = Mode::Normal;
    int delayMs = 0; // wait before answering at all
    int pieces = 1;
    int pieceDelayMs = 0;
    qint64 streamBytes = 0;
    bool announceLength = true;

    static HttpReply text(const QByteArray& body, const QByteArray& contentType = "text/html");
    static HttpReply bytes(const QByteArray& body, const QByteArray& contentType = "application/octet-stream");
    static HttpReply redirect(const QByteArray& location, int status = 302);
    static HttpReply of(Mode mode);
    HttpReply& header(const QByteArray& name, const QByteArray& value);
    HttpReply& after(int milliseconds);
};

struct HttpRequestRecord {
    QByteArray method;
    QByteArray target;  // as sent: "/path?query" or, through a proxy, "http://host/path?query"
    QByteArray path;    // the target's path without the query
    QByteArray version;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body;

    // A header's value (name compared without case); empty when absent.
    QByteArray header(const QByteArray& name) const;
    bool hasHeader(const QByteArray& name) const;
};

class LocalHttpServer : public QObject {
public:
    using Handler = std::function<HttpReply(const HttpRequestRecord&)>;

    explicit LocalHttpServer(QObject* parent = nullptr);
    ~LocalHttpServer() override;

    // Plain HTTP on 127.0.0.1 at a free port.
    bool listen();
    // HTTPS with this certificate and key.
    bool listenTls(const QSslCertificate& certificate, const QSslKey& key);

    quint16 port() const;
    // "http://127.0.0.1:<port>" (or https) followed by the path.
    QString url(const QString& path = QStringLiteral("/")) const;

    // A route answers requests whose target (path and query) equals it, or
    // whose path equals it when no route has the whole target.
    void route(const QByteArray& path, const HttpReply& reply);
    void route(const QByteArray& path, Handler handler);
    // The answer for every other path (at first 404 "Not Found").
    void setFallback(const HttpReply& reply);

    // Answers 407 with a Basic challenge until a request brings
    // "Proxy-Authorization: Basic base64(user:password)".
    void requireProxyCredentials(const QByteArray& user, const QByteArray& password);

    const QList<HttpRequestRecord>& requests() const { return requests_; }
    int count(const QByteArray& path) const;
    int connectionCount() const { return connections_; }

    // A port on 127.0.0.1 where nothing listens.
    static quint16 refusedPort();

private:
    struct Connection;
    void accept(QTcpSocket* socket);
    void parse(const std::shared_ptr<Connection>& connection);
    HttpReply replyFor(const HttpRequestRecord& request) const;
    void answer(const std::shared_ptr<Connection>& connection, const HttpReply& reply, bool keepAlive);
    void stream(const std::shared_ptr<Connection>& connection);

    std::unique_ptr<QTcpServer> server_;
    bool tls_ = false;
    QMap<QByteArray, Handler> routes_;
    HttpReply fallback_;
    QByteArray proxyCredentials_;
    QList<HttpRequestRecord> requests_;
    int connections_ = 0;
};
