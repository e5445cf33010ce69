#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <memory>
#include <optional>
#include <stdexcept>

class QNetworkAccessManager;
class QNetworkReply;

// Synchronous HTTP and HTTPS retrieval for the windows and the update.
//
// OpenURL returns when the transfer has ended; while it waits, pending window
// events keep running (timers fire, menus answer), so a handler may call
// Cancel, or try a second request, in the middle of a download. A control
// takes one request at a time: a second one while it is busy fails at once.
// Every failure (time-out, refused or reset connection, cancel, a reply over
// the size bound unless the control cuts such replies, a certificate that
// does not verify) is thrown as InetError.
// A reply with an HTTP error status is not a failure: its body is returned
// like any other page, and lastHttpStatus tells the status.

enum class InetErrorKind {
    TimedOut = 1,  // nothing arrived for RequestTimeout seconds, or the request outlived its whole bound
    Refused = 2,   // the server (or the proxy) refused the connection
    Reset = 3,     // the connection was closed or reset before the reply was whole
    Cancelled = 4, // Cancel was called, or the control went away
    Busy = 5,      // the control is still executing an earlier request
    TooLarge = 6,  // the reply is bigger than the control accepts
    Other = 7,     // anything else: bad address, unknown host, TLS, proxy refusal...
};

class InetError : public std::runtime_error {
public:
    InetError(InetErrorKind kind, const QString& message);
    InetErrorKind kind() const { return kind_; }
    QString message() const { return message_; }
    // The error number shown in status texts (the kind's value).
    int number() const { return static_cast<int>(kind_); }

private:
    InetErrorKind kind_;
    QString message_;
};

class InetControl : public QObject {
    Q_OBJECT
public:
    // How a request reaches the server.
    enum AccessTypes { icUseDefault = 0, icDirect = 1, icNamedProxy = 2 };
    // What OpenURL(URL, DataType) returns.
    enum DataTypes { icString = 0, icByteArray = 1 };
    // Transfer states, in the order a request passes through them.
    enum States {
        icNone = 0,
        icResolvingHost = 1,
        icHostResolved = 2,
        icConnecting = 3,
        icConnected = 4,
        icRequesting = 5,
        icRequestSent = 6,
        icReceivingResponse = 7,
        icResponseReceived = 8,
        icDisconnecting = 9,
        icDisconnected = 10,
        icError = 11,
        icResponseCompleted = 12,
    };

    static constexpr qint64 kDefaultMaxReplyBytes = 32LL * 1024 * 1024;
    static constexpr int kDefaultRequestTimeout = 60;
    // However the server trickles, a request ends after this many times
    // RequestTimeout in all.
    static constexpr int kWholeRequestTimeouts = 4;

    explicit InetControl(QObject* parent = nullptr);
    ~InetControl() override;

    // Seconds without any sign of the server before a request fails. Zero or
    // less means the default of 60 seconds: a request never waits for ever.
    // A server that keeps sending a byte now and then cannot hold a request
    // longer than kWholeRequestTimeouts times this either.
    void setRequestTimeout(int seconds) { requestTimeout_ = seconds; }
    int RequestTimeout() const { return requestTimeout_; }

    // 0 the system's proxy configuration, 1 direct, 2 the named proxy below.
    void setAccessType(int type) { accessType_ = type; }
    int AccessType() const { return accessType_; }

    // The named proxy: a host name or address, optionally with ":port"
    // (which then wins over RemotePort), optionally with "http://" before it.
    void setProxy(const QString& proxy) { proxy_ = proxy; }
    QString Proxy() const { return proxy_; }

    // The proxy's port when Proxy names none; 0 (or out of range) means 80.
    void setRemotePort(int port) { remotePort_ = port; }
    int RemotePort() const { return remotePort_; }

    // Proxy credentials; empty texts mean none are offered.
    void setUserName(const QString& user) { userName_ = user; }
    QString UserName() const { return userName_; }
    void setPassword(const QString& password) { password_ = password; }
    QString Password() const { return password_; }

    // The largest reply accepted; a bigger one fails as TooLarge without
    // ever being held whole in memory.
    void setMaxReplyBytes(qint64 bytes) { maxReplyBytes_ = bytes; }
    qint64 maxReplyBytes() const { return maxReplyBytes_; }

    // When set, a bigger reply does not fail: OpenURL returns its first
    // maxReplyBytes bytes, and the rest is never fetched.
    void setCutsLongReplies(bool cuts) { cutsLongReplies_ = cuts; }
    bool cutsLongReplies() const { return cutsLongReplies_; }

    // True while a request runs.
    bool StillExecuting() const { return busy_; }

    // Header names and values that one request sends beside the control's
    // own; a name given here replaces the control's header of that name.
    using RequestHeaders = QList<QPair<QByteArray, QByteArray>>;

    // Fetches a page and returns its text, decoded by the character set the
    // reply declares (header or meta tag), else as UTF-8 when it is valid
    // UTF-8, else as Latin-1. Empty when the reply was empty.
    QString OpenURL(const QString& URL, const RequestHeaders& headers = {});
    // icByteArray: the body's bytes as they came; icString: the page text
    // as UTF-8. Any other data type fails.
    QByteArray OpenURL(const QString& URL, int DataType, const RequestHeaders& headers = {});

    // Ends the running request; its OpenURL fails as Cancelled. Does nothing
    // when no request runs or the running one has already ended.
    void Cancel();

    // The error number of the last request, 0 when it succeeded.
    int lastErrorNumber() const { return lastErrorNumber_; }
    // The HTTP status of the last request's answer (200, 404...), 0 while
    // a request runs or when none came. Known before the states that
    // follow the answer are reported.
    int lastHttpStatus() const { return lastHttpStatus_; }

signals:
    void StateChanged(int State);

private:
    struct Transfer;
    QByteArray fetch(const QString& URL, QString* contentType, const RequestHeaders& headers = {});
    // The steps of a fetch, in order.
    std::unique_ptr<QNetworkAccessManager> newManager() const;
    void run(Transfer& transfer, QNetworkReply* reply);
    std::optional<InetError> endOf(Transfer& transfer);
    [[noreturn]] void fail(Transfer& transfer, std::unique_ptr<QNetworkAccessManager> manager,
                           const InetError& failure);
    void complete(Transfer& transfer, std::unique_ptr<QNetworkAccessManager> manager);
    void advanceTo(int state);

    int requestTimeout_ = kDefaultRequestTimeout;
    int accessType_ = icUseDefault;
    QString proxy_;
    int remotePort_ = 0;
    QString userName_;
    QString password_;
    qint64 maxReplyBytes_ = kDefaultMaxReplyBytes;
    bool cutsLongReplies_ = false;
    bool busy_ = false;
    int lastErrorNumber_ = 0;
    int lastHttpStatus_ = 0;
    Transfer* current_ = nullptr;
};

// The text of a page: the character set named by the Content-Type text (or,
// failing that, by a meta tag near the top of the page); else UTF-8 when the
// bytes are valid UTF-8; else Latin-1. A byte-order mark decides first.
// ISO-8859-1 and US-ASCII labels are read as Windows-1252, as browsers do.
QString decodePageText(const QByteArray& body, const QString& contentType);
