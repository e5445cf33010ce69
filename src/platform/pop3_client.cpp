#include "platform/pop3_client.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QScopeGuard>
#include <QSslSocket>
#include <QTimer>
#include <algorithm>

Pop3Error::Pop3Error(Pop3Status status, const QString& message)
    : std::runtime_error(message.toStdString()), status_(status), message_(message)
{
}

namespace {

constexpr quint16 kPlainPort = 110;
constexpr quint16 kTlsPort = 995;
// RFC 1939: a unique-id is 1 to 70 characters in the range 0x21 to 0x7E.
constexpr int kMaxIdLength = 70;
// The shortest line of an identifier list ("1 a" and its line end): a
// mailbox of more messages than such lines fit in a session cannot be listed.
constexpr qint64 kShortestListLine = 5;

bool isPrintableId(const QByteArray& id)
{
    return !id.isEmpty() && id.size() <= kMaxIdLength
        && std::all_of(id.begin(), id.end(), [](char c) { return c >= 0x21 && c <= 0x7E; });
}

// Text that may go into a command line: no line breaks, no NUL.
bool isSendable(const QString& text)
{
    return !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')) && !text.contains(QChar(0));
}

// An answer line holds text: tabs, but no other control characters.
bool isAnswerText(const QByteArray& line)
{
    return std::none_of(line.begin(), line.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return (byte < 0x20 && byte != '\t') || byte == 0x7F;
    });
}

// Decimal digits only: no sign, no blanks.
bool isDigits(const QByteArray& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool readCount(const QByteArray& text, int& out)
{
    bool ok = false;
    out = isDigits(text) ? text.toInt(&ok) : 0;
    return ok;
}

int stepSeconds(int timeout)
{
    return timeout > 0 ? std::min(timeout, 24 * 3600) : Pop3Client::kDefaultTimeout;
}

Pop3Status statusOf(QAbstractSocket::SocketError error, bool wasConnected)
{
    switch (error) {
    case QAbstractSocket::RemoteHostClosedError:
        return Pop3Status::ConnectionLost;
    case QAbstractSocket::SocketTimeoutError:
        return Pop3Status::TimedOut;
    case QAbstractSocket::SslHandshakeFailedError:
    case QAbstractSocket::SslInternalError:
    case QAbstractSocket::SslInvalidUserDataError:
        return Pop3Status::TlsFailed;
    default:
        return wasConnected ? Pop3Status::ConnectionLost : Pop3Status::CannotConnect;
    }
}

} // namespace

Pop3Client::Pop3Client(QObject* parent) : QObject(parent) {}

Pop3Client::~Pop3Client()
{
    closeSession();
}

void Pop3Client::Connect()
{
    try {
        logIn();
    } catch (const Pop3Error&) {
        // fail() has recorded the reason in the result.
    }
}

QStringList Pop3Client::FetchMessageIds()
{
    requireSession();
    QStringList ids;
    if (messageCount_ == 0)
        return ids;
    // Each line is "number identifier", for every message in order.
    const bool listed = askForList("UIDL", [this, &ids](const QByteArray& line) {
        const qsizetype blank = line.indexOf(' ');
        const QByteArray id = line.mid(blank + 1);
        if (ids.size() == messageCount_ || blank < 0 || line.left(blank) != QByteArray::number(ids.size() + 1)
            || !isPrintableId(id))
            fail(Pop3Status::ProtocolError, QStringLiteral("The server's list of identifiers is out of order at: ")
                                                + QString::fromLatin1(line.left(80)));
        ids << QString::fromLatin1(id);
    });
    if (!listed) {
        for (int i = 1; i <= messageCount_; ++i) {
            FetchMessage(i);
            ids << messageId_;
        }
    } else if (ids.size() != messageCount_) {
        fail(Pop3Status::ProtocolError,
             QStringLiteral("The server listed %1 of its %2 messages").arg(ids.size()).arg(messageCount_));
    }
    return ids;
}

void Pop3Client::FetchMessage(int Index)
{
    messageId_.clear();
    requireSession();
    const QByteArray number = QByteArray::number(Index);
    const QList<QByteArray> parts = exchange("UIDL " + number).split(' ');
    if (parts.size() != 2 || parts[0] != number || !isPrintableId(parts[1]))
        fail(Pop3Status::ProtocolError, QStringLiteral("The server gave no usable identifier for message %1").arg(Index));
    messageId_ = QString::fromLatin1(parts[1]);
}

void Pop3Client::Disconnect()
{
    if (result_ == Pop3Status::Connected && socket_) {
        try {
            exchange("QUIT");
        } catch (const Pop3Error&) {
            // The connection is closed below in any case.
        }
    }
    closeSession();
    result_ = Pop3Status::NotConnected;
    messageCount_ = 0;
}

void Pop3Client::Cancel()
{
    if (!waiting_)
        return;
    cancelled_ = true;
    waiting_->quit();
}

void Pop3Client::requireSession()
{
    if (result_ != Pop3Status::Connected || !socket_)
        throw Pop3Error(Pop3Status::NotConnected, QStringLiteral("The mailbox is not connected"));
}

void Pop3Client::logIn()
{
    closeSession();
    result_ = Pop3Status::NotConnected;
    messageCount_ = 0;
    messageId_.clear();

    const Endpoint where = endpoint();
    if (user_.isEmpty() || !isSendable(user_) || !isSendable(password_))
        fail(Pop3Status::BadCredentials, QStringLiteral("The user name or password cannot be sent"));
    sessionEnd_.setRemainingTime(kWholeSessionTimeouts * stepSeconds(timeout_) * 1000LL);
    received_ = 0;
    open(where);
    readAnswer(); // the greeting
    if (!where.tls && offersStls())
        startTls();
    exchange("USER " + user_.toUtf8());
    exchange("PASS " + password_.toUtf8());
    const QList<QByteArray> stat = exchange("STAT").split(' ');
    // The size in octets is not used, but must be a number (it may be a
    // large one).
    if (stat.size() < 2 || !isDigits(stat[0]) || !isDigits(stat[1]))
        fail(Pop3Status::ProtocolError, QStringLiteral("The server gave no usable message count"));
    bool fits = false;
    const qint64 count = stat[0].toLongLong(&fits);
    if (!fits || count > kMaxSessionBytes / kShortestListLine)
        fail(Pop3Status::TooLarge, QStringLiteral("The mailbox holds more messages than can be listed: ")
                                       + QString::fromLatin1(stat[0].left(80)));
    messageCount_ = static_cast<int>(count);
    result_ = Pop3Status::Connected;
}

// Whether the server names STLS among its capabilities; a server that does
// not know CAPA offers none.
bool Pop3Client::offersStls()
{
    bool offered = false;
    askForList("CAPA", [&offered](const QByteArray& line) {
        offered = offered || line.split(' ').first().toUpper() == "STLS";
    });
    return offered;
}

// Turns the connection into a TLS one, verified as a POP3S connection is.
// A server that offered STLS and then refuses it fails the log-in rather
// than get the password in clear.
void Pop3Client::startTls()
{
    send("STLS");
    const Answer agreed = readStatus();
    expectNoMore(); // nothing sent in clear may pass for part of the TLS session
    if (!agreed.ok)
        fail(Pop3Status::TlsFailed,
             QStringLiteral("The server offered TLS, then answered: ") + QString::fromUtf8(agreed.text));
    QSslSocket* socket = socket_.get();
    socket->startClientEncryption();
    waitFor([socket] { return socket->isEncrypted(); }, "Starting TLS");
}

Pop3Client::Endpoint Pop3Client::endpoint()
{
    const QString text = host_.trimmed();
    Endpoint where;
    QString portText;
    bool portGiven = false;
    if (text.startsWith(QLatin1Char('['))) {
        const qsizetype close = text.indexOf(QLatin1Char(']'));
        const QString rest = close < 0 ? QString() : text.mid(close + 1);
        if (close < 0 || !(rest.isEmpty() || rest.startsWith(QLatin1Char(':'))))
            fail(Pop3Status::BadAddress, QStringLiteral("The host is malformed: ") + host_);
        where.host = text.mid(1, close - 1);
        portGiven = !rest.isEmpty();
        portText = rest.mid(1);
    } else if (text.count(QLatin1Char(':')) == 1) {
        where.host = text.section(QLatin1Char(':'), 0, 0);
        portText = text.section(QLatin1Char(':'), 1);
        portGiven = true;
    } else {
        where.host = text; // a name, or an IPv6 address without a port
    }

    bool ok = true;
    int port = 0;
    if (portGiven)
        ok = readCount(portText.toLatin1(), port) && port >= 1 && port <= 65535;
    if (!ok || where.host.isEmpty() || where.host.contains(QLatin1Char(' ')) || where.host.contains(QLatin1Char('/')))
        fail(Pop3Status::BadAddress, QStringLiteral("The host is malformed: ") + host_);

    if (!portGiven)
        port = security_ == Security::Tls ? kTlsPort : kPlainPort;
    where.port = static_cast<quint16>(port);
    where.tls = security_ == Security::Tls || (security_ == Security::ByPort && where.port == kTlsPort);
    return where;
}

void Pop3Client::open(const Endpoint& where)
{
    socket_ = std::make_unique<QSslSocket>();
    // Qt stops reading from the network once this much waits unread, so a
    // flooding server cannot fill the memory.
    socket_->setReadBufferSize(4 * kMaxLineBytes);
    QSslSocket* socket = socket_.get();
    if (where.tls) {
        socket->connectToHostEncrypted(where.host, where.port);
        waitFor([socket] { return socket->isEncrypted(); }, "Connecting");
    } else {
        socket->connectToHost(where.host, where.port);
        waitFor([socket] { return socket->state() == QAbstractSocket::ConnectedState; }, "Connecting");
    }
}

void Pop3Client::send(const QByteArray& command)
{
    // Only the command word goes into messages: never a password.
    const QByteArray word = command.split(' ').first();
    if (hasUnread())
        fail(Pop3Status::ProtocolError, QStringLiteral("The server sent an answer nobody asked for before ")
                                            + QString::fromLatin1(word));
    socket_->write(command + "\r\n");
}

QByteArray Pop3Client::exchange(const QByteArray& command)
{
    send(command);
    return readAnswer();
}

// Sends a command whose answer goes on with lines up to one of "." alone,
// and hands each of those lines to takeLine (a leading "." doubled by the
// server is taken off). False when the server refused the command.
bool Pop3Client::askForList(const QByteArray& command, const std::function<void(const QByteArray&)>& takeLine)
{
    send(command);
    if (!readStatus().ok) {
        expectNoMore();
        return false;
    }
    for (QByteArray line = readLine(); line != "."; line = readLine())
        takeLine(line.startsWith('.') ? line.mid(1) : line);
    expectNoMore();
    return true;
}

// A single-line answer: its text after "+OK"; "-ERR" fails.
QByteArray Pop3Client::readAnswer()
{
    const Answer answer = readStatus();
    expectNoMore();
    if (!answer.ok)
        fail(Pop3Status::ServerRefused, QStringLiteral("The server answered: ") + QString::fromUtf8(answer.text));
    return answer.text;
}

Pop3Client::Answer Pop3Client::readStatus()
{
    const QByteArray line = readLine();
    if (line == "+OK" || line.startsWith("+OK "))
        return {true, line.mid(4).trimmed()};
    if (line == "-ERR" || line.startsWith("-ERR "))
        return {false, line};
    fail(Pop3Status::ProtocolError, QStringLiteral("The server's answer is no POP3 answer: ")
                                        + QString::fromLatin1(line.left(80)));
}

QByteArray Pop3Client::readLine()
{
    // True once a whole line has come; a line past the bound fails.
    auto lineReady = [this] {
        qsizetype end = buffer_.indexOf('\n', taken_);
        if (end < 0) {
            takeArrived();
            end = buffer_.indexOf('\n', taken_);
        }
        if ((end < 0 ? buffer_.size() : end + 1) - taken_ > kMaxLineBytes)
            fail(Pop3Status::ProtocolError, QStringLiteral("The server's answer is longer than a POP3 line may be"));
        return end >= 0;
    };
    if (!lineReady())
        waitFor(lineReady, "Waiting for the answer");

    const qsizetype end = buffer_.indexOf('\n', taken_);
    QByteArray line = buffer_.sliced(taken_, end - taken_);
    taken_ = end + 1;
    if (line.endsWith('\r'))
        line.chop(1);
    if (!isAnswerText(line))
        fail(Pop3Status::ProtocolError, QStringLiteral("The server's answer is not text"));
    return line;
}

// Moves what has come into the buffer behind the part not read yet, never
// much more than one line's worth, and counts it against the session's bound.
void Pop3Client::takeArrived()
{
    buffer_.remove(0, taken_);
    taken_ = 0;
    while (socket_->bytesAvailable() > 0 && buffer_.size() <= 2 * kMaxLineBytes) {
        const QByteArray chunk = socket_->read(kMaxLineBytes);
        received_ += chunk.size();
        if (received_ > kMaxSessionBytes)
            fail(result_ == Pop3Status::Connected ? Pop3Status::TooLarge : Pop3Status::ProtocolError,
                 QStringLiteral("The server sent more than %1 bytes in one session").arg(kMaxSessionBytes));
        buffer_ += chunk;
    }
}

bool Pop3Client::hasUnread() const
{
    return taken_ < buffer_.size() || socket_->bytesAvailable() > 0;
}

void Pop3Client::expectNoMore()
{
    if (hasUnread())
        fail(Pop3Status::ProtocolError, QStringLiteral("The server sent more than one answer"));
}

void Pop3Client::waitFor(const std::function<bool()>& done, const char* step)
{
    QSslSocket* socket = socket_.get();
    const int seconds = stepSeconds(timeout_);
    const QDeadlineTimer deadline(seconds * 1000LL);
    QEventLoop loop;
    QTimer alarm;
    alarm.setSingleShot(true);
    connect(&alarm, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(socket, &QIODevice::readyRead, &loop, &QEventLoop::quit);
    connect(socket, &QAbstractSocket::connected, &loop, &QEventLoop::quit);
    connect(socket, &QSslSocket::encrypted, &loop, &QEventLoop::quit);
    connect(socket, &QAbstractSocket::disconnected, &loop, &QEventLoop::quit);
    connect(socket, &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);

    cancelled_ = false;
    waiting_ = &loop;
    const auto notWaiting = qScopeGuard([this] { waiting_ = nullptr; });

    bool wasConnected = socket->state() == QAbstractSocket::ConnectedState;
    for (;;) {
        // A handler that ran in the last wait may have cancelled the step:
        // the program's shut-down does, since the loop no longer waits once
        // the application has been told to quit.
        if (cancelled_)
            fail(Pop3Status::Cancelled, QLatin1String(step) + QStringLiteral(": cancelled"));
        if (done())
            return;
        wasConnected = wasConnected || socket->state() == QAbstractSocket::ConnectedState;
        if (socket->state() == QAbstractSocket::UnconnectedState) {
            const QAbstractSocket::SocketError error = socket->error();
            const Pop3Status status = error == QAbstractSocket::UnknownSocketError
                ? Pop3Status::ConnectionLost
                : statusOf(error, wasConnected);
            fail(status, QLatin1String(step) + QStringLiteral(": ") + socket->errorString());
        }
        // Once logged in, only a large mailbox's list keeps a session going.
        if (sessionEnd_.hasExpired())
            fail(result_ == Pop3Status::Connected ? Pop3Status::TooLarge : Pop3Status::TimedOut,
                 QLatin1String(step) + QStringLiteral(": the session did not end within %1 seconds")
                                           .arg(kWholeSessionTimeouts * seconds));
        if (deadline.hasExpired())
            fail(Pop3Status::TimedOut,
                 QLatin1String(step) + QStringLiteral(": no answer within %1 seconds").arg(seconds));
        alarm.start(std::max<qint64>(1, std::min(deadline.remainingTime(), sessionEnd_.remainingTime())));
        loop.exec();
    }
}

void Pop3Client::fail(Pop3Status status, const QString& message)
{
    closeSession();
    result_ = status;
    messageCount_ = 0;
    messageId_.clear();
    throw Pop3Error(status, message);
}

void Pop3Client::closeSession()
{
    buffer_.clear();
    taken_ = 0;
    if (socket_) {
        socket_->abort();
        socket_.reset();
    }
}
