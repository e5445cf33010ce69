#include "support/fake_pop3_server.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

struct FakePop3Server::Session {
    QPointer<QTcpSocket> socket;
    QByteArray buffer;
    QByteArray user;
    bool loggedIn = false;
    QList<QByteArray> ids; // the mailbox as it was at the log-in
};

FakePop3Server::FakePop3Server(QObject* parent) : QObject(parent) {}

FakePop3Server::~FakePop3Server() = default;

bool FakePop3Server::listen()
{
    server_ = std::make_unique<QTcpServer>();
    connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
        while (QTcpSocket* socket = server_->nextPendingConnection())
            accept(socket);
    });
    return server_->listen(QHostAddress::LocalHost, 0);
}

quint16 FakePop3Server::port() const
{
    return server_ ? server_->serverPort() : 0;
}

QString FakePop3Server::host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(port());
}

void FakePop3Server::addMailbox(const QByteArray& user, const QByteArray& password, const QList<QByteArray>& ids)
{
    passwords_[user] = password;
    mailboxes_[user] = ids;
}

QList<QByteArray> FakePop3Server::numberedIds(int count)
{
    QList<QByteArray> ids;
    ids.reserve(count);
    for (int i = 1; i <= count; ++i)
        ids.append('m' + QByteArray::number(i));
    return ids;
}

void FakePop3Server::deliver(const QByteArray& user, const QByteArray& id)
{
    mailboxes_[user].append(id);
}

void FakePop3Server::setGreeting(const QByteArray& raw)
{
    greeting_ = raw;
}

void FakePop3Server::stayMute()
{
    mute_ = true;
}

void FakePop3Server::answer(const QByteArray& command, const QByteArray& raw)
{
    answers_[command] = raw;
}

void FakePop3Server::dropAt(const QByteArray& command)
{
    drops_.append(command);
}

void FakePop3Server::accept(QTcpSocket* socket)
{
    ++connections_;
    socket->setParent(this);
    auto session = std::make_shared<Session>();
    session->socket = socket;
    connect(socket, &QTcpSocket::readyRead, this, [this, session] { serve(session); });
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    if (!mute_)
        socket->write(greeting_);
}

void FakePop3Server::serve(const std::shared_ptr<Session>& session)
{
    if (!session->socket)
        return;
    session->buffer += session->socket->readAll();
    qsizetype end;
    while (session->socket && (end = session->buffer.indexOf("\r\n")) >= 0) {
        const QByteArray command = session->buffer.left(end);
        session->buffer.remove(0, end + 2);
        commands_.append(command);
        if (listener_)
            listener_(command);
        if (mute_)
            continue;
        if (drops_.contains(command)) {
            session->socket->abort();
            return;
        }
        session->socket->write(answers_.contains(command) ? answers_.value(command) : reply(*session, command));
        if (command == "QUIT")
            session->socket->disconnectFromHost();
    }
}

QByteArray FakePop3Server::reply(Session& session, const QByteArray& command)
{
    const qsizetype blank = command.indexOf(' ');
    const QByteArray verb = (blank < 0 ? command : command.left(blank)).toUpper();
    const QByteArray argument = blank < 0 ? QByteArray() : command.mid(blank + 1);
    if (verb == "QUIT")
        return "+OK bye\r\n";
    if (verb == "CAPA")
        return "+OK\r\nUSER\r\nUIDL\r\n.\r\n";
    if (!session.loggedIn) {
        if (verb == "USER") {
            session.user = argument;
            return "+OK\r\n";
        }
        if (verb == "PASS" && passwords_.contains(session.user) && passwords_.value(session.user) == argument) {
            session.loggedIn = true;
            session.ids = mailboxes_.value(session.user);
            return "+OK logged in\r\n";
        }
        return "-ERR authentication failed\r\n";
    }
    if (verb == "STAT")
        return "+OK " + QByteArray::number(session.ids.size()) + " " + QByteArray::number(session.ids.size() * 100)
            + "\r\n";
    if (verb == "UIDL" && argument.isEmpty()) {
        QByteArray list = "+OK\r\n";
        for (qsizetype i = 0; i < session.ids.size(); ++i)
            list += QByteArray::number(i + 1) + ' ' + session.ids[i] + "\r\n";
        return list + ".\r\n";
    }
    if (verb == "UIDL") {
        bool ok = false;
        const int index = argument.toInt(&ok);
        if (!ok || index < 1 || index > session.ids.size())
            return "-ERR no such message\r\n";
        return "+OK " + argument + " " + session.ids[index - 1] + "\r\n";
    }
    return "-ERR unknown command\r\n";
}
