#pragma once
#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <functional>
#include <memory>

class QTcpServer;
class QTcpSocket;

// A small scriptable POP3 server on 127.0.0.1 for tests. It runs in the
// test's own thread and answers while the code under test lets events run.
// Mailboxes hold message identifiers (what UIDL gives, one message's or
// the whole list); CAPA names USER and UIDL, no STLS. Faults replace the
// greeting or the answer to one command, drop the connection at a command,
// or keep the server mute. Every command line received is logged.
class FakePop3Server : public QObject {
public:
    explicit FakePop3Server(QObject* parent = nullptr);
    ~FakePop3Server() override;

    // Listens at a free port of 127.0.0.1.
    bool listen();
    quint16 port() const;
    // "127.0.0.1:<port>", as a user would type it.
    QString host() const;

    void addMailbox(const QByteArray& user, const QByteArray& password, const QList<QByteArray>& ids = {});
    // Identifiers "m1", "m2"... for a large mailbox.
    static QList<QByteArray> numberedIds(int count);
    // A new message in the mailbox; sessions that log in later see it.
    void deliver(const QByteArray& user, const QByteArray& id);

    // Sent as it is when a client connects, in place of "+OK ready".
    void setGreeting(const QByteArray& raw);
    // Accepts connections and reads them, but never sends a byte.
    void stayMute();
    // Sent as it is in place of the answer to this command line ("STAT").
    void answer(const QByteArray& command, const QByteArray& raw);
    // Closes the connection when this command line arrives ("UIDL 2").
    void dropAt(const QByteArray& command);
    // Drops no connection from now on.
    void stopDropping() { drops_.clear(); }

    // Called with every command line as it arrives, before it is answered.
    void onCommand(std::function<void(const QByteArray&)> listener) { listener_ = std::move(listener); }

    QList<QByteArray> commands() const { return commands_; }
    int connectionCount() const { return connections_; }

private:
    struct Session;
    void accept(QTcpSocket* socket);
    void serve(const std::shared_ptr<Session>& session);
    QByteArray reply(Session& session, const QByteArray& command);

    std::unique_ptr<QTcpServer> server_;
    QMap<QByteArray, QByteArray> passwords_;
    QMap<QByteArray, QList<QByteArray>> mailboxes_;
    QByteArray greeting_ = "+OK ready\r\n";
    bool mute_ = false;
    QMap<QByteArray, QByteArray> answers_;
    QList<QByteArray> drops_;
    QList<QByteArray> commands_;
    std::function<void(const QByteArray&)> listener_;
    int connections_ = 0;
};
