#pragma once
#include <QByteArray>
#include <QDeadlineTimer>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <stdexcept>

class QEventLoop;
class QSslSocket;

// A POP3 mailbox reader for the mail check: it logs in, tells how many
// messages the mailbox holds and gives each message's unique identifier
// (the server's UIDL, which stays the same across connections).
//
// The host text is a host name or address, optionally followed by ":port"
// ("[address]:port" for an IPv6 address). Without a port it is 110. The
// session runs over TLS (POP3S) when the port is 995, or always when the
// security is set to Tls. Otherwise the client asks the server what it
// offers (CAPA) and switches to TLS (STLS) before the log-in whenever the
// server offers it; only a server that offers no STLS gets the user name and
// password in clear. Certificates are verified against the trusted
// authorities of the default TLS configuration, in both ways alike.
//
// Every step (connecting, each command and its answer) must end within the
// time-out; while it waits, pending window events keep running, so the
// window stays alive and a step never hangs. A whole session, however large
// the mailbox or slow the server, ends after kWholeSessionTimeouts times the
// time-out and once kMaxSessionBytes have come. Answers are checked before
// they are believed: a line longer than a POP3 line may be, text where an
// answer belongs, an answer nobody asked for, or a dropped connection all
// end the session as a failure.
//
// What a failure looks like:
// - Connect never throws. Result() is 0 once the client is logged in and
//   has read the message count; any other value (a Pop3Status) says why the
//   mailbox is not available, also when the log-in worked but the count
//   could not be read or is beyond what a session can list.
// - Once connected, a failing FetchMessageIds or FetchMessage throws
//   Pop3Error and closes the session: from then on Result() gives the
//   failure's status and MessageCount() is 0, as after a failed Connect. A
//   message identifier is never made up.
// - Disconnect never throws: it says goodbye (QUIT) while the session is
//   still good and closes the connection in every case. Afterwards Result()
//   is NotConnected.
// - Cancel, called from an event handler while a step waits, ends that step
//   at once as a failure with the status Cancelled.

enum class Pop3Status {
    Connected = 0,      // logged in, count read
    NotConnected = 1,   // no session yet, or it was closed
    BadAddress = 2,     // the host text names no host or no valid port
    CannotConnect = 3,  // unknown host, refused connection, no network
    TimedOut = 4,       // a step took longer than the time-out
    TlsFailed = 5,      // the TLS handshake failed or the certificate did not verify
    ConnectionLost = 6, // the server closed or reset the connection
    ServerRefused = 7,  // the server answered -ERR (a wrong password, for example)
    ProtocolError = 8,  // an answer that is no POP3 answer, or too long
    BadCredentials = 9, // a user name or password that cannot be sent (line breaks, empty)
    Cancelled = 10,     // Cancel ended the step that was waiting
    TooLarge = 11,      // the mailbox's list could not be read within the session's bounds
};

class Pop3Error : public std::runtime_error {
public:
    Pop3Error(Pop3Status status, const QString& message);
    Pop3Status status() const { return status_; }
    QString message() const { return message_; }

private:
    Pop3Status status_;
    QString message_;
};

class Pop3Client : public QObject {
    Q_OBJECT
public:
    enum class Security {
        ByPort, // Tls on port 995, Plain elsewhere
        Plain,  // STLS when the server offers it, else in clear
        Tls,    // TLS from the start
    };

    static constexpr int kDefaultTimeout = 60;
    // RFC 1939 allows 512 bytes for an answer line; a little room is given.
    static constexpr int kMaxLineBytes = 1024;
    // The bounds of one session, from connecting to the end of the list.
    static constexpr int kWholeSessionTimeouts = 4;
    static constexpr qint64 kMaxSessionBytes = 8LL * 1024 * 1024;

    explicit Pop3Client(QObject* parent = nullptr);
    ~Pop3Client() override;

    void setHost(const QString& host) { host_ = host; }
    QString Host() const { return host_; }
    void setUserName(const QString& user) { user_ = user; }
    QString UserName() const { return user_; }
    void setPassword(const QString& password) { password_ = password; }

    void setSecurity(Security security) { security_ = security; }
    // Seconds each step may take; zero or less means the default of 60.
    void setTimeout(int seconds) { timeout_ = seconds; }

    // Connects, switches to TLS where the server offers it, logs in (USER
    // and PASS) and reads the message count (STAT). An earlier session is
    // closed first.
    void Connect();
    // 0 (Pop3Status::Connected) when the last Connect logged in.
    int Result() const { return static_cast<int>(result_); }
    // The mailbox's message count at the log-in.
    int MessageCount() const { return messageCount_; }
    // The identifiers of every message, in message order, from one listing
    // (UIDL); from one request per message for a server that gives no
    // listing. Throws Pop3Error.
    QStringList FetchMessageIds();
    // Asks for the identifier of message Index (1-based, UIDL Index);
    // MessageId then returns it. Throws Pop3Error.
    void FetchMessage(int Index);
    QString MessageId() const { return messageId_; }
    // Logs out (QUIT) and closes the connection.
    void Disconnect();
    // Ends the step that waits now (of Connect, FetchMessageIds, FetchMessage
    // or Disconnect) as a failure and closes the session; nothing when no
    // step waits.
    void Cancel();

private:
    struct Endpoint {
        QString host;
        quint16 port = 0;
        bool tls = false;
    };
    // A status line: the text after "+OK", or the whole line when refused.
    struct Answer {
        bool ok = false;
        QByteArray text;
    };
    Endpoint endpoint();
    void logIn();
    void open(const Endpoint& where);
    bool offersStls();
    void startTls();
    void requireSession();
    QByteArray exchange(const QByteArray& command);
    bool askForList(const QByteArray& command, const std::function<void(const QByteArray&)>& takeLine);
    void send(const QByteArray& command);
    QByteArray readAnswer();
    Answer readStatus();
    QByteArray readLine();
    void takeArrived();
    bool hasUnread() const;
    void expectNoMore();
    void waitFor(const std::function<bool()>& done, const char* step);
    [[noreturn]] void fail(Pop3Status status, const QString& message);
    void closeSession();

    QString host_;
    QString user_;
    QString password_;
    Security security_ = Security::ByPort;
    int timeout_ = kDefaultTimeout;

    std::unique_ptr<QSslSocket> socket_;
    QByteArray buffer_;   // what has come, not all of it read yet
    qsizetype taken_ = 0; // how much of buffer_ was read as lines
    QDeadlineTimer sessionEnd_;
    qint64 received_ = 0; // bytes of this session so far
    Pop3Status result_ = Pop3Status::NotConnected;
    int messageCount_ = 0;
    QString messageId_;
    QEventLoop* waiting_ = nullptr; // the loop of the step that waits, for Cancel
    bool cancelled_ = false;
};
