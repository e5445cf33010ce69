#include "support/dovecot_server.h"

#include "platform/waits.h"
#include "support/test_certificate.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHostAddress>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr double kStartSeconds = 10;
constexpr int kLaunchTries = 3;

QString dovecotProgram()
{
    const QString found = QStandardPaths::findExecutable(QStringLiteral("dovecot"));
    if (!found.isEmpty())
        return found;
    return QStandardPaths::findExecutable(QStringLiteral("dovecot"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

// A port of 127.0.0.1 that nothing listens on at this moment.
quint16 freePort()
{
    QTcpServer probe;
    return probe.listen(QHostAddress::LocalHost, 0) ? probe.serverPort() : 0;
}

bool takesConnections(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    return socket.waitForConnected(200);
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

QString configuration(const QString& root, quint16 pop3, quint16 pop3s, unsigned uid)
{
    return QStringLiteral("base_dir = %1/run\n"
                          "state_dir = %1/state\n"
                          "log_path = %1/dovecot.log\n"
                          "protocols = pop3\n"
                          "listen = 127.0.0.1\n"
                          "ssl = yes\n"
                          "ssl_cert = <%1/cert.pem\n"
                          "ssl_key = <%1/key.pem\n"
                          "disable_plaintext_auth = no\n"
                          "auth_failure_delay = 0\n"
                          "default_internal_user = dovecot\n"
                          "default_login_user = dovenull\n"
                          "first_valid_uid = %4\n"
                          "passdb {\n  driver = passwd-file\n  args = scheme=PLAIN %1/passwd\n}\n"
                          "userdb {\n  driver = static\n  args = uid=dovecot gid=dovecot\n}\n"
                          "mail_location = maildir:%1/mail/%u\n"
                          "service pop3-login {\n"
                          "  inet_listener pop3 {\n    port = %2\n  }\n"
                          "  inet_listener pop3s {\n    port = %3\n    ssl = yes\n  }\n"
                          "}\n")
        .arg(root, QString::number(pop3), QString::number(pop3s), QString::number(uid));
}

} // namespace

DovecotServer::DovecotServer() = default;

DovecotServer::~DovecotServer()
{
    stop();
}

void DovecotServer::addUser(const QString& user, const QString& password)
{
    users_ << user;
    passwords_ << password;
}

QString DovecotServer::pop3Host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(pop3Port_);
}

QString DovecotServer::file(const QString& name) const
{
    return folder_.path() + QLatin1Char('/') + name;
}

QString DovecotServer::logTail()
{
    // Errors before the log is open go to standard error.
    QByteArray text = process_.readAllStandardError();
    QFile log(file(QStringLiteral("dovecot.log")));
    if (log.open(QIODevice::ReadOnly))
        text += log.readAll();
    return text.isEmpty() ? QStringLiteral("(nothing logged)") : QString::fromLocal8Bit(text.right(2000));
}

bool DovecotServer::start()
{
    error_.clear();
    if (dovecotProgram().isEmpty()) {
        error_ = QStringLiteral("dovecot is not installed: install the Debian package dovecot-pop3d "
                                "(./test.sh installs it)");
        return false;
    }
    if (geteuid() != 0) {
        error_ = QStringLiteral("the dovecot test server runs its mail processes as the user dovecot, "
                                "so this test must run as root");
        return false;
    }
    const passwd* account = getpwnam("dovecot");
    if (account) {
        mailUid_ = account->pw_uid;
        mailGid_ = account->pw_gid;
    }
    if (!account || !getpwnam("dovenull")) {
        error_ = QStringLiteral("the users dovecot and dovenull are missing: reinstall dovecot-core");
        return false;
    }
    if (!prepareFolder())
        return false;
    for (int attempt = 0; attempt < kLaunchTries; ++attempt) {
        if (launch())
            return true;
    }
    return false;
}

bool DovecotServer::prepareFolder()
{
    // The mail processes (user dovecot) must reach the maildirs.
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                              | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    QByteArray passwd;
    for (qsizetype i = 0; i < users_.size(); ++i) {
        passwd += users_[i].toUtf8() + ":{PLAIN}" + passwords_[i].toUtf8() + "::::::\n";
        const QString maildir = file(QStringLiteral("mail/") + users_[i]);
        for (const QString& part : {QString(), QStringLiteral("/cur"), QStringLiteral("/new"), QStringLiteral("/tmp")}) {
            QDir().mkpath(maildir + part);
            if (chown(QFile::encodeName(maildir + part).constData(), mailUid_, mailGid_) != 0) {
                error_ = QStringLiteral("cannot hand the maildir to the user dovecot");
                return false;
            }
        }
    }
    if (!writeFile(file(QStringLiteral("passwd")), passwd)
        || !writeFile(file(QStringLiteral("cert.pem")), QByteArray(kTestCertificatePem).trimmed() + "\n")
        || !writeFile(file(QStringLiteral("key.pem")), QByteArray(kTestPrivateKeyPem).trimmed() + "\n")) {
        error_ = QStringLiteral("cannot write the server's files in ") + folder_.path();
        return false;
    }
    return true;
}

bool DovecotServer::launch()
{
    pop3Port_ = freePort();
    pop3sPort_ = freePort();
    while (pop3sPort_ == pop3Port_)
        pop3sPort_ = freePort();
    const QString config = file(QStringLiteral("dovecot.conf"));
    QFile::remove(file(QStringLiteral("dovecot.log")));
    if (!writeFile(config, configuration(folder_.path(), pop3Port_, pop3sPort_, mailUid_).toUtf8())) {
        error_ = QStringLiteral("cannot write ") + config;
        return false;
    }
    process_.start(dovecotProgram(), {QStringLiteral("-F"), QStringLiteral("-c"), config});
    const bool listening = waitUntil(
        [this] {
            return process_.state() == QProcess::NotRunning
                || (process_.state() == QProcess::Running && takesConnections(pop3Port_)
                    && takesConnections(pop3sPort_));
        },
        kStartSeconds);
    if (listening && process_.state() == QProcess::Running)
        return true;
    // Another test may have taken a port in the meantime: the caller tries
    // again with fresh ones.
    error_ = process_.state() == QProcess::NotRunning
        ? QStringLiteral("dovecot ended at once (exit code %1): ").arg(process_.exitCode()) + logTail()
        : QStringLiteral("dovecot did not listen within %1 seconds: ").arg(kStartSeconds) + logTail();
    stop();
    return false;
}

void DovecotServer::deliver(const QString& user, const QString& subject)
{
    const QString name = QStringLiteral("%1.M%2P%3.corvane")
                             .arg(QDateTime::currentSecsSinceEpoch())
                             .arg(++delivered_)
                             .arg(QCoreApplication::applicationPid());
    const QString maildir = file(QStringLiteral("mail/") + user);
    const QByteArray message = "From: sender@example.org\r\nTo: " + user.toUtf8() + "@example.org\r\nSubject: "
        + subject.toUtf8() + "\r\n\r\nA test message.\r\n";
    // Written aside and moved in whole, so the server never sees half a message.
    writeFile(maildir + QStringLiteral("/tmp/") + name, message);
    QFile::rename(maildir + QStringLiteral("/tmp/") + name, maildir + QStringLiteral("/new/") + name);
}

void DovecotServer::stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}
