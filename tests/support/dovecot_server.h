#pragma once
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real POP3 server for tests: Debian's dovecot (package dovecot-pop3d),
// run in the foreground from a throw-away configuration in a temporary
// folder. It listens on free ports of 127.0.0.1 for POP3 (offering STLS)
// and for POP3S, with the test certificate; it checks plain passwords from a
// passwd file and keeps each user's mail in a maildir of that folder. Run by
// root, its processes run as the package's users; run by anyone else, as
// that user. The server is stopped, and waited for, when the object goes.
class DovecotServer {
public:
    DovecotServer();
    ~DovecotServer();
    DovecotServer(const DovecotServer&) = delete;
    DovecotServer& operator=(const DovecotServer&) = delete;

    // A mailbox; all users are added before start().
    void addUser(const QString& user, const QString& password);
    // Whether the plain POP3 port offers STLS (it does unless told before
    // start()). Without it the server has no TLS at all: its POP3S port
    // takes no connection.
    void setStartTls(bool offered) { startTls_ = offered; }

    // Starts the server and waits (a bounded time) until its ports take
    // connections. On failure, error() tells why.
    bool start();
    QString error() const { return error_; }

    quint16 pop3Port() const { return pop3Port_; }
    quint16 pop3sPort() const { return pop3sPort_; }
    // "127.0.0.1:<port>" of the plain POP3 port, as a user would type it.
    QString pop3Host() const;

    // Drops a message into the user's maildir, as a delivery agent would.
    void deliver(const QString& user, const QString& subject);

    void stop();

    // The users the server's processes run as, and the owner of the maildirs.
    struct RunAs {
        QString internal, login, group;
        unsigned uid = 0, gid = 0;
    };

private:
    bool prepareFolder();
    bool launch();
    QString file(const QString& name) const;
    QString logTail();

    QTemporaryDir folder_;
    QStringList users_;
    QStringList passwords_;
    QProcess process_;
    quint16 pop3Port_ = 0;
    quint16 pop3sPort_ = 0;
    bool startTls_ = true;
    RunAs runAs_;
    int delivered_ = 0;
    QString error_;
};
