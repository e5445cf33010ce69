#include "platform/inet_control.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <memory>
#include <optional>

#define CORVANE_STRINGIFY2(x) #x
#define CORVANE_STRINGIFY(x) CORVANE_STRINGIFY2(x)

InetError::InetError(InetErrorKind kind, const QString& message)
    : std::runtime_error(message.toStdString()), kind_(kind), message_(message)
{
}

// One running request. It lives on OpenURL's stack; the control points to it
// while the request runs, so Cancel and the destructor can reach it.
struct InetControl::Transfer {
    QEventLoop loop;
    QTimer idle;                    // time-out: restarted at every sign of the server
    QTimer whole;                   // the bound of the whole request, however the server trickles
    QNetworkReply* reply = nullptr;
    QByteArray body;
    int lastState = icNone;
    bool ended = false;     // the network part is over: Cancel has nothing to end
    bool replyFinished = false; // the reply is whole, though OpenURL may not have resumed yet
    bool cancelled = false; // Cancel was called
    bool timedOut = false;
    bool tooLarge = false;
    bool cutsLong = false;  // a reply over the limit is cut there, not refused
    bool cut = false;       // the body is the reply's start: the rest was not fetched
    bool orphaned = false;  // the control was destroyed while the request ran
    qint64 limit = 0;       // the largest body accepted
    int seconds = 0;        // the time-out without a sign of the server

    // The request still runs and its control is still there.
    bool alive() const { return !orphaned && !ended; }
    // A sign of the server: the time-out starts again.
    void heardFrom()
    {
        if (alive())
            idle.start();
    }
    void refuseAsTooLarge()
    {
        tooLarge = true;
        body.clear();
        if (!reply->isFinished())
            reply->abort();
    }
    void timeOut()
    {
        if (!alive() || replyFinished)
            return;
        timedOut = true;
        reply->abort();
    }
    // Takes a piece of the body; a reply that grows too large is refused,
    // or cut at the limit.
    void take(const QByteArray& piece)
    {
        const qint64 room = limit - body.size();
        if (piece.size() <= room) {
            body += piece;
        } else if (!cutsLong) {
            refuseAsTooLarge();
        } else {
            body += piece.left(room);
            cut = true;
            if (!reply->isFinished())
                reply->abort();
        }
    }
};

namespace {

// Hands every request to the system's proxy configuration.
class SystemProxies : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override
    {
        return QNetworkProxyFactory::systemProxyForQuery(query);
    }
};

QNetworkProxy namedProxy(const QString& proxyText, int remotePort, const QString& user, const QString& password)
{
    QString text = proxyText.trimmed();
    if (!text.contains(QStringLiteral("://")))
        text.prepend(QStringLiteral("http://"));
    const QUrl parsed(text);
    int port = (remotePort > 0 && remotePort <= 65535) ? remotePort : 80;
    if (parsed.port() > 0)
        port = parsed.port();
    return QNetworkProxy(QNetworkProxy::HttpProxy, parsed.host(), static_cast<quint16>(port), user, password);
}

// A reply whose only "error" is its HTTP status (404, 500...): the page the
// server sent is the result, as for any other status.
bool failedOnlyByStatus(QNetworkReply* reply)
{
    if (!reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        return false;
    const int e = reply->error();
    return (e >= QNetworkReply::ContentAccessDenied && e <= QNetworkReply::UnknownContentError)
        || (e >= QNetworkReply::InternalServerError && e <= QNetworkReply::UnknownServerError)
        || e == QNetworkReply::ProtocolInvalidOperationError;
}

// A reply that ended with fewer bytes than it announced. The network layer
// does not always notice when a reset cuts a reply short, so the length is
// checked here (where it can be: a compressed reply announces its
// compressed length). After a redirect the announced length may still be
// the redirect's own, so only a reply that came straight is checked.
bool cutShort(QNetworkReply* reply, qint64 received)
{
    if (reply->url() != reply->request().url())
        return false;
    const QVariant announced = reply->header(QNetworkRequest::ContentLengthHeader);
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    if (!announced.isValid() || !(encoding.isEmpty() || encoding == "identity"))
        return false;
    return received < announced.toLongLong();
}

InetErrorKind kindOf(QNetworkReply::NetworkError error)
{
    switch (error) {
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::ProxyConnectionRefusedError:
        return InetErrorKind::Refused;
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProxyConnectionClosedError:
        return InetErrorKind::Reset;
    case QNetworkReply::TimeoutError:
    case QNetworkReply::ProxyTimeoutError:
        return InetErrorKind::TimedOut;
    case QNetworkReply::OperationCanceledError:
        return InetErrorKind::Cancelled;
    default:
        return InetErrorKind::Other;
    }
}

} // namespace

InetControl::InetControl(QObject* parent) : QObject(parent) {}

InetControl::~InetControl()
{
    // A window closing in the middle of a download: the waiting OpenURL
    // finds its transfer orphaned and fails without touching this object.
    if (Transfer* transfer = current_) {
        current_ = nullptr;
        transfer->orphaned = true;
        transfer->cancelled = true;
        if (transfer->reply && !transfer->ended)
            transfer->reply->abort();
        transfer->loop.quit();
    }
}

void InetControl::Cancel()
{
    Transfer* transfer = current_;
    if (!transfer || transfer->ended || transfer->replyFinished || transfer->cancelled)
        return;
    transfer->cancelled = true;
    if (transfer->reply)
        transfer->reply->abort();
    transfer->loop.quit();
}

void InetControl::advanceTo(int state)
{
    Transfer* transfer = current_;
    while (transfer && !transfer->orphaned && transfer->lastState < state) {
        ++transfer->lastState;
        emit StateChanged(transfer->lastState);
    }
}

namespace {

InetError orphanedError()
{
    return InetError(InetErrorKind::Cancelled, QStringLiteral("The transfer was closed"));
}

// The address as a request takes it; a malformed one fails at once.
QUrl checkedUrl(const QString& URL)
{
    const QUrl url(URL.trimmed(), QUrl::TolerantMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        || url.host().isEmpty())
        throw InetError(InetErrorKind::Other, QStringLiteral("URL is malformed: ") + URL);
    return url;
}

QNetworkRequest newRequest(const QUrl& url, const InetControl::RequestHeaders& headers)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setHeader(QNetworkRequest::UserAgentHeader,
                      QByteArray("Corvane/" CORVANE_STRINGIFY(CORVANE_VERSION_MAJOR) "." CORVANE_STRINGIFY(
                          CORVANE_VERSION_MINOR) "." CORVANE_STRINGIFY(CORVANE_VERSION_PATCH)));
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    return request;
}

} // namespace

QByteArray InetControl::fetch(const QString& URL, QString* contentType, const RequestHeaders& headers)
{
    if (busy_)
        throw InetError(InetErrorKind::Busy, QStringLiteral("Still executing last request"));
    const QUrl url = checkedUrl(URL);

    Transfer transfer;
    transfer.limit = std::max<qint64>(0, maxReplyBytes_);
    transfer.cutsLong = cutsLongReplies_;
    transfer.seconds = requestTimeout_ > 0 ? std::min(requestTimeout_, 24 * 3600) : kDefaultRequestTimeout;
    busy_ = true;
    lastErrorNumber_ = 0;
    lastHttpStatus_ = 0;
    current_ = &transfer;
    // However this ends, the control is free again (unless it is gone).
    const auto release = qScopeGuard([this, &transfer] {
        if (!transfer.orphaned) {
            busy_ = false;
            current_ = nullptr;
        }
    });

    std::unique_ptr<QNetworkAccessManager> manager = newManager();
    const QNetworkRequest request = newRequest(url, headers);
    advanceTo(icResolvingHost);
    if (transfer.orphaned)
        throw orphanedError();
    if (!transfer.cancelled)
        run(transfer, manager->get(request));
    if (transfer.orphaned)
        throw orphanedError();

    const std::optional<InetError> failure = endOf(transfer);
    if (failure)
        fail(transfer, std::move(manager), *failure);
    if (contentType)
        *contentType = transfer.reply->header(QNetworkRequest::ContentTypeHeader).toString();
    QByteArray body = std::move(transfer.body);
    complete(transfer, std::move(manager));
    return body;
}

// A fresh manager per request: no connection, credential or cookie of an
// earlier request (perhaps through another proxy) carries over.
std::unique_ptr<QNetworkAccessManager> InetControl::newManager() const
{
    auto manager = std::make_unique<QNetworkAccessManager>();
    if (accessType_ == icNamedProxy)
        manager->setProxy(namedProxy(proxy_, remotePort_, userName_, password_));
    else if (accessType_ == icUseDefault)
        manager->setProxyFactory(new SystemProxies);
    else
        manager->setProxy(QNetworkProxy::NoProxy);
    return manager;
}

// Follows the reply, reporting its states, until it has finished, failed,
// timed out or been cancelled; events run meanwhile.
void InetControl::run(Transfer& transfer, QNetworkReply* reply)
{
    transfer.reply = reply;
    // Of a reply that is cut, no more than its start is taken off the network.
    if (transfer.cutsLong)
        reply->setReadBufferSize(std::max<qint64>(1, transfer.limit));
    Transfer* t = &transfer;
    auto reached = [this, t](int state) {
        t->heardFrom();
        if (t->alive())
            advanceTo(state);
    };
    auto heard = [t] { t->heardFrom(); };
    QEventLoop* loop = &transfer.loop;
    connect(reply, &QNetworkReply::socketStartedConnecting, loop, [reached] { reached(icConnecting); });
    connect(reply, &QNetworkReply::encrypted, loop, [reached] { reached(icConnected); });
    connect(reply, &QNetworkReply::requestSent, loop, [reached] { reached(icRequestSent); });
    connect(reply, &QNetworkReply::redirected, loop, heard);
    connect(reply, &QNetworkReply::uploadProgress, loop, heard);
    connect(reply, &QNetworkReply::downloadProgress, loop, heard);
    connect(reply, &QNetworkReply::metaDataChanged, loop, [t, reply] {
        t->heardFrom();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (t->alive() && !t->cutsLong && length.isValid() && length.toLongLong() > t->limit)
            t->refuseAsTooLarge();
    });
    connect(reply, &QNetworkReply::readyRead, loop, [reached, t, reply] {
        reached(icReceivingResponse);
        if (t->alive() && !t->cancelled && !t->tooLarge && !t->cut)
            t->take(reply->readAll());
    });
    connect(&transfer.idle, &QTimer::timeout, loop, [t] { t->timeOut(); });
    connect(&transfer.whole, &QTimer::timeout, loop, [t] { t->timeOut(); });
    // A reply can finish while a request of another control, started by
    // an event handler, is still waiting above this one; from then on
    // neither the time-out nor a cancel may spoil it.
    connect(reply, &QNetworkReply::finished, loop, [t] {
        t->replyFinished = true;
        t->idle.stop();
        t->whole.stop();
        t->loop.quit();
    });

    transfer.idle.setSingleShot(true);
    transfer.idle.setInterval(transfer.seconds * 1000);
    transfer.whole.setSingleShot(true);
    transfer.whole.setInterval(kWholeRequestTimeouts * transfer.seconds * 1000);
    transfer.idle.start();
    transfer.whole.start();
    if (!reply->isFinished() && !transfer.cancelled)
        transfer.loop.exec();
}

// Ends the transfer and takes what is left of the body: the failure, if the
// request failed.
std::optional<InetError> InetControl::endOf(Transfer& transfer)
{
    transfer.ended = true;
    transfer.idle.stop();
    transfer.whole.stop();
    QNetworkReply* reply = transfer.reply;
    if (reply)
        lastHttpStatus_ = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply && !transfer.cancelled && !transfer.timedOut && !transfer.tooLarge && !transfer.cut)
        transfer.take(reply->readAll());

    if (transfer.cancelled)
        return InetError(InetErrorKind::Cancelled, QStringLiteral("The request was cancelled"));
    if (transfer.timedOut)
        return InetError(InetErrorKind::TimedOut,
                         QStringLiteral("The request timed out after %1 seconds").arg(transfer.seconds));
    if (transfer.tooLarge)
        return InetError(InetErrorKind::TooLarge, QStringLiteral("The reply is larger than %1 bytes").arg(transfer.limit));
    if (transfer.cut)
        return std::nullopt;
    if (reply->error() != QNetworkReply::NoError && !failedOnlyByStatus(reply))
        return InetError(kindOf(reply->error()), reply->errorString());
    if (cutShort(reply, transfer.body.size()))
        return InetError(InetErrorKind::Reset, QStringLiteral("The connection ended before the whole reply came"));
    return std::nullopt;
}

// Reports a failed request's last states and throws its failure.
void InetControl::fail(Transfer& transfer, std::unique_ptr<QNetworkAccessManager> manager, const InetError& failure)
{
    lastErrorNumber_ = failure.number();
    transfer.reply = nullptr;
    if (failure.kind() == InetErrorKind::Cancelled) {
        // Straight to the end: no state of a reply that never came.
        emit StateChanged(icDisconnecting);
        if (!transfer.orphaned)
            emit StateChanged(icDisconnected);
    } else {
        emit StateChanged(icError);
    }
    manager.reset();
    if (transfer.orphaned)
        throw orphanedError();
    throw failure;
}

// Closes the connection and reports a whole request's last states.
void InetControl::complete(Transfer& transfer, std::unique_ptr<QNetworkAccessManager> manager)
{
    transfer.reply = nullptr;
    advanceTo(icDisconnecting);
    manager.reset();
    for (const int state : {icDisconnected, icResponseCompleted}) {
        if (transfer.orphaned)
            throw orphanedError();
        transfer.lastState = state;
        emit StateChanged(state);
    }
    if (transfer.orphaned)
        throw orphanedError();
}

QString InetControl::OpenURL(const QString& URL, const RequestHeaders& headers)
{
    QString contentType;
    const QByteArray body = fetch(URL, &contentType, headers);
    return decodePageText(body, contentType);
}

QByteArray InetControl::OpenURL(const QString& URL, int DataType, const RequestHeaders& headers)
{
    if (DataType == icByteArray)
        return fetch(URL, nullptr, headers);
    if (DataType == icString)
        return OpenURL(URL, headers).toUtf8();
    throw InetError(InetErrorKind::Other, QStringLiteral("Invalid data type %1").arg(DataType));
}

// ---------------------------------------------------------------------------
// Page text decoding

namespace {

// The value of a "charset=" parameter in a piece of lower-case text.
QString charsetIn(QByteArrayView text)
{
    qsizetype at = 0;
    while ((at = text.indexOf(QByteArrayView("charset"), at)) >= 0) {
        qsizetype i = at + 7;
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
        if (i < text.size() && text[i] == '=') {
            ++i;
            while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '"' || text[i] == '\''))
                ++i;
            const qsizetype start = i;
            while (i < text.size()
                   && (QChar::isLetterOrNumber(uchar(text[i])) || text[i] == '-' || text[i] == '_'
                       || text[i] == '.' || text[i] == ':'))
                ++i;
            if (i > start)
                return QString::fromLatin1(text.sliced(start, i - start));
        }
        at += 7;
    }
    return QString();
}

// The character set named by a <meta> tag near the top of the page.
QString metaCharset(const QByteArray& body)
{
    const QByteArray head = body.left(4096).toLower();
    qsizetype at = 0;
    while ((at = head.indexOf("<meta", at)) >= 0) {
        qsizetype end = head.indexOf('>', at);
        if (end < 0)
            end = head.size();
        const QString found = charsetIn(QByteArrayView(head).sliced(at, end - at));
        if (!found.isEmpty())
            return found;
        at = end;
    }
    return QString();
}

// Windows-1252 differs from Latin-1 in 0x80-0x9F only.
QString fromWindows1252(const QByteArray& body)
{
    static const char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text(body.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : body) {
        const uchar byte = static_cast<uchar>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(high[byte - 0x80]) : QChar(byte);
    }
    return text;
}

bool isWesternLabel(const QString& label)
{
    static const QStringList labels{
        "iso-8859-1", "iso8859-1", "iso_8859-1", "iso-8859-1:1987", "latin1",  "latin-1",  "l1",
        "cp819",      "ibm819",    "iso-ir-100", "csisolatin1",     "us-ascii", "ascii",   "windows-1252",
        "cp1252",     "x-cp1252"};
    return labels.contains(label);
}

std::optional<QString> decodeByLabel(const QByteArray& body, const QString& name)
{
    const QString label = name.trimmed().toLower();
    if (label.isEmpty())
        return std::nullopt;
    if (label == QLatin1String("utf-8") || label == QLatin1String("utf8")) {
        QStringDecoder utf8(QStringConverter::Utf8);
        return QString(utf8.decode(body));
    }
    if (isWesternLabel(label))
        return fromWindows1252(body);
    QStringDecoder decoder(label.toLatin1().constData());
    if (!decoder.isValid())
        return std::nullopt;
    return QString(decoder.decode(body));
}

} // namespace

QString decodePageText(const QByteArray& body, const QString& contentType)
{
    if (body.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(QStringConverter::Utf8).decode(body);
    if (body.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE).decode(body);
    if (body.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE).decode(body);

    if (auto text = decodeByLabel(body, charsetIn(contentType.toLower().toLatin1())))
        return *text;
    if (auto text = decodeByLabel(body, metaCharset(body)))
        return *text;

    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(body);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(body);
}
