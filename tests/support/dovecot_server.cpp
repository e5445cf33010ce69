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
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr double kStartSeconds = 30; // a busy machine may start it slowly
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

// The users the server's processes run as. Run by root, the package's own
// users; run by anyone else, that user for every process (the server then
// cannot change its root folder, so its login processes run without).
std::optional<DovecotServer::RunAs> serverUsers()
{
    const bool root = geteuid() == 0;
    // The lookups share one static record: each result is copied at once.
    const passwd* internal = root ? getpwnam("dovecot") : getpwuid(geteuid());
    if (!internal)
        return std::nullopt;
    DovecotServer::RunAs users{QString::fromLocal8Bit(internal->pw_name), {}, {}, internal->pw_uid,
                               internal->pw_gid};
    const passwd* login = root ? getpwnam("dovenull") : getpwuid(geteuid());
    const group* mailGroup = getgrgid(users.gid);
    if (!login || !mailGroup)
        return std::nullopt;
    users.login = QString::fromLocal8Bit(login->pw_name);
    users.group = QString::fromLocal8Bit(mailGroup->gr_name);
    return users;
}

// Without a POP3S port (0), TLS is off altogether: the POP3 port offers no STLS.
QString configuration(const QString& root, quint16 pop3, quint16 pop3s, const DovecotServer::RunAs& users)
{
    return QStringLiteral("base_dir = %1/run\n"
                          "state_dir = %1/state\n"
                          "log_path = %1/dovecot.log\n"
                          "protocols = pop3\n"
                          "listen = 127.0.0.1\n"
                          "ssl = %8\n"
                          "ssl_cert = <%1/cert.pem\n"
                          "ssl_key = <%1/key.pem\n"
                          "disable_plaintext_auth = no\n"
                          "auth_failure_delay = 0\n"
                          "default_internal_user = %5\n"
                          "default_internal_group = %7\n"
                          "default_login_user = %6\n"
                          "first_valid_uid = %4\n"
                          "passdb {\n  driver = passwd-file\n  args = scheme=PLAIN %1/passwd\n}\n"
                          "userdb {\n  driver = static\n  args = uid=%5 gid=%7\n}\n"
                          "mail_location = maildir:%1/mail/%u\n"
                          "service anvil {\n  chroot =\n}\n"
                          "service pop3-login {\n"
                          "  chroot =\n"
                          "  inet_listener pop3 {\n    port = %2\n  }\n"
                          "  inet_listener pop3s {\n    port = %3\n    ssl = yes\n  }\n"
                          "}\n")
        .arg(root, QString::number(pop3), QString::number(pop3s), QString::number(users.uid), users.internal,
             users.login, users.group, pop3s ? QStringLiteral("yes") : QStringLiteral("no"));
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
    const std::optional<RunAs> users = serverUsers();
    if (!users) {
        error_ = QStringLiteral("the users dovecot and dovenull are missing: reinstall dovecot-core");
        return false;
    }
    runAs_ = *users;
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
    // The mail processes must reach the maildirs.
    QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                              | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    QByteArray passwd;
    for (qsizetype i = 0; i < users_.size(); ++i) {
        passwd += users_[i].toUtf8() + ":{PLAIN}" + passwords_[i].toUtf8() + "::::::\n";
        const QString maildir = file(QStringLiteral("mail/") + users_[i]);
        for (const QString& part : {QString(), QStringLiteral("/cur"), QStringLiteral("/new"), QStringLiteral("/tmp")}) {
            QDir().mkpath(maildir + part);
            if (chown(QFile::encodeName(maildir + part).constData(), runAs_.uid, runAs_.gid) != 0) {
                error_ = QStringLiteral("cannot hand the maildir to the user ") + runAs_.internal;
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
    pop3sPort_ = startTls_ ? freePort() : 0;
    while (pop3sPort_ != 0 && pop3sPort_ == pop3Port_)
        pop3sPort_ = freePort();
    const QString config = file(QStringLiteral("dovecot.conf"));
    QFile::remove(file(QStringLiteral("dovecot.log")));
    if (!writeFile(config, configuration(folder_.path(), pop3Port_, pop3sPort_, runAs_).toUtf8())) {
        error_ = QStringLiteral("cannot write ") + config;
        return false;
    }
    process_.start(dovecotProgram(), {QStringLiteral("-F"), QStringLiteral("-c"), config});
    const bool listening = waitUntil(
        [this] {
            return process_.state() == QProcess::NotRunning
                || (process_.state() == QProcess::Running && takesConnections(pop3Port_)
                    && (pop3sPort_ == 0 || takesConnections(pop3sPort_)));
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
