#include "platform/pop3_client.h"

#include "support/dovecot_server.h"
#include "support/fake_pop3_server.h"
#include "support/local_http_server.h"
#include "support/test_certificate.h"

#include <QElapsedTimer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QTimer>
#include <gtest/gtest.h>
#include <optional>

namespace {

class Pop3ClientTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.listen());
        server.addMailbox("walker", "s3cret", {"uid-a", "uid-b"});
        mailbox.setHost(server.host());
        mailbox.setUserName("walker");
        mailbox.setPassword("s3cret");
        mailbox.setTimeout(30); // a hang guard: the test of the time-out sets its own
    }

    // The status of the error FetchMessage throws, or nullopt when it gives an identifier.
    std::optional<Pop3Status> fetchFailure(int index)
    {
        try {
            mailbox.FetchMessage(index);
        } catch (const Pop3Error& error) {
            EXPECT_FALSE(error.message().isEmpty());
            return error.status();
        }
        return std::nullopt;
    }

    int status(Pop3Status value) { return static_cast<int>(value); }

    FakePop3Server server;
    Pop3Client mailbox;
};

} // namespace

TEST_F(Pop3ClientTest, LogsInCountsAndIdentifiesEveryMessageThenSaysGoodbye)
{
    server.answer("STAT", "+OK 2 5368709120\r\n"); // 5 GiB of mail
    mailbox.Connect();
    ASSERT_EQ(mailbox.Result(), 0);
    EXPECT_EQ(mailbox.MessageCount(), 2);
    mailbox.FetchMessage(2);
    EXPECT_EQ(mailbox.MessageId(), "uid-b");
    mailbox.FetchMessage(1);
    EXPECT_EQ(mailbox.MessageId(), "uid-a");
    mailbox.Disconnect();
    EXPECT_EQ(server.commands(),
              (QList<QByteArray>{"USER walker", "PASS s3cret", "STAT", "UIDL 2", "UIDL 1", "QUIT"}));
    EXPECT_EQ(mailbox.Result(), status(Pop3Status::NotConnected));
}

TEST_F(Pop3ClientTest, AWrongPasswordLeavesTheMailboxUnavailable)
{
    mailbox.setPassword("guess");
    mailbox.Connect();
    EXPECT_EQ(mailbox.Result(), status(Pop3Status::ServerRefused));
    EXPECT_EQ(mailbox.MessageCount(), 0);
    EXPECT_FALSE(server.commands().contains("STAT"));
    EXPECT_EQ(fetchFailure(1), Pop3Status::NotConnected);
    mailbox.Disconnect(); // nothing to say goodbye to
    EXPECT_FALSE(server.commands().contains("QUIT"));
}

TEST_F(Pop3ClientTest, AConnectionDroppedInTheMiddleOfTheListFailsThatMessageAndClosesTheSession)
{
    server.dropAt("UIDL 2");
    mailbox.Connect();
    ASSERT_EQ(mailbox.Result(), 0);
    EXPECT_EQ(fetchFailure(1), std::nullopt);
    EXPECT_EQ(fetchFailure(2), Pop3Status::ConnectionLost);
    EXPECT_TRUE(mailbox.MessageId().isEmpty());
    EXPECT_EQ(mailbox.Result(), status(Pop3Status::ConnectionLost));
    EXPECT_EQ(mailbox.MessageCount(), 0);
    EXPECT_EQ(fetchFailure(1), Pop3Status::NotConnected);
    mailbox.Disconnect();
    EXPECT_FALSE(server.commands().contains("QUIT"));
}

TEST_F(Pop3ClientTest, AServerThatNeverAnswersEndsByTheTimeOutWhileEventsRun)
{
    server.stayMute();
    mailbox.setTimeout(1);
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start(50);
    QElapsedTimer clock;
    clock.start();
    mailbox.Connect();
    EXPECT_EQ(mailbox.Result(), status(Pop3Status::TimedOut));
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_LT(clock.elapsed(), 30000); // the set second, not the default minute
    EXPECT_GT(ticks, 0);               // the window's timers kept running meanwhile
    EXPECT_EQ(server.connectionCount(), 1);
}

TEST_F(Pop3ClientTest, GarbageAnswersAreProtocolErrors)
{
    struct Case {
        const char* name;
        std::function<void(FakePop3Server&)> fault;
    };
    const std::vector<Case> cases{
        {"a web server", [](FakePop3Server& s) { s.setGreeting("HTTP/1.1 400 Bad Request\r\n\r\n"); }},
        {"a line with no end", [](FakePop3Server& s) { s.setGreeting(QByteArray(5000, 'x')); }},
        {"binary bytes", [](FakePop3Server& s) { s.setGreeting("+OK \x01\x02\x7f\r\n"); }},
        {"two answers to one command", [](FakePop3Server& s) { s.answer("USER walker", "+OK\r\n+OK\r\n"); }},
        {"a count that is no number", [](FakePop3Server& s) { s.answer("STAT", "+OK lots of mail\r\n"); }},
        {"a negative count", [](FakePop3Server& s) { s.answer("STAT", "+OK -2 200\r\n"); }},
    };
    for (const Case& c : cases) {
        FakePop3Server faulty;
        ASSERT_TRUE(faulty.listen());
        faulty.addMailbox("walker", "s3cret", {"uid-a"});
        c.fault(faulty);
        mailbox.setHost(faulty.host());
        mailbox.Connect();
        EXPECT_EQ(mailbox.Result(), status(Pop3Status::ProtocolError)) << c.name;
        EXPECT_EQ(mailbox.MessageCount(), 0) << c.name;
    }
}

TEST_F(Pop3ClientTest, AGarbledIdentifierIsAnErrorNeverAnIdentifier)
{
    server.addMailbox("walker", "s3cret", {"uid-a", "uid-b", "uid-c", "uid-d"});
    server.answer("UIDL 1", "+OK 1 has blanks in it\r\n");
    server.answer("UIDL 2", "+OK 7 uid-of-another-message\r\n");
    server.answer("UIDL 3", "+OK 3 " + QByteArray(71, 'u') + "\r\n");
    server.answer("UIDL 4", "-ERR no such message\r\n");
    for (int i = 1; i <= 4; ++i) {
        mailbox.Connect();
        ASSERT_EQ(mailbox.Result(), 0);
        const Pop3Status expected = i == 4 ? Pop3Status::ServerRefused : Pop3Status::ProtocolError;
        EXPECT_EQ(fetchFailure(i), expected) << i;
        EXPECT_TRUE(mailbox.MessageId().isEmpty()) << i;
    }
}

TEST_F(Pop3ClientTest, HostTextsAndCredentialsThatCannotWorkNeverReachTheNetwork)
{
    for (const QString host : {"", "127.0.0.1:", "127.0.0.1:pop", "127.0.0.1:0", "127.0.0.1:70000", "mail host",
                               "[::1", "[::1]110"}) {
        mailbox.setHost(host);
        mailbox.Connect();
        EXPECT_EQ(mailbox.Result(), status(Pop3Status::BadAddress)) << host.toStdString();
    }
    mailbox.setHost(server.host());
    mailbox.setUserName("walker\r\nDELE 1");
    mailbox.Connect();
    EXPECT_EQ(mailbox.Result(), status(Pop3Status::BadCredentials));
    mailbox.setUserName("walker");
    mailbox.setPassword("s3cret\nDELE 1");
    mailbox.Connect();
    EXPECT_EQ(mailbox.Result(), status(Pop3Status::BadCredentials));
    EXPECT_EQ(server.connectionCount(), 0);

    mailbox.setPassword("s3cret");
    mailbox.setHost(QStringLiteral("127.0.0.1:%1").arg(LocalHttpServer::refusedPort()));
    mailbox.Connect();
    EXPECT_EQ(mailbox.Result(), status(Pop3Status::CannotConnect));
}

// --- A real server ------------------------------------------------------------

namespace {

class Pop3ClientDovecotTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dovecot.addUser("walker", "s3cret");
        ASSERT_TRUE(dovecot.start()) << dovecot.error().toStdString();
        dovecot.deliver("walker", "first");
        dovecot.deliver("walker", "second");
        mailbox.setUserName("walker");
        mailbox.setPassword("s3cret");
        mailbox.setTimeout(30);
    }

    // The identifiers of every message, or an empty list when the log-in fails.
    QStringList identifiers()
    {
        QStringList ids;
        mailbox.Connect();
        if (mailbox.Result() != 0)
            return ids;
        for (int i = 1; i <= mailbox.MessageCount(); ++i) {
            mailbox.FetchMessage(i);
            ids << mailbox.MessageId();
        }
        mailbox.Disconnect();
        return ids;
    }

    DovecotServer dovecot;
    Pop3Client mailbox;
};

} // namespace

TEST_F(Pop3ClientDovecotTest, IdentifiersStayTheSameAcrossConnectionsAndOverTls)
{
    mailbox.setHost(dovecot.pop3Host());
    const QStringList first = identifiers();
    ASSERT_EQ(first.size(), 2);
    EXPECT_NE(first[0], first[1]);
    EXPECT_EQ(identifiers(), first);

    dovecot.deliver("walker", "third");
    const QStringList later = identifiers();
    ASSERT_EQ(later.size(), 3);
    EXPECT_EQ(later.mid(0, 2), first);

    // POP3S: a certificate nobody vouches for is refused; trusted, it works.
    mailbox.setHost(QStringLiteral("127.0.0.1:%1").arg(dovecot.pop3sPort()));
    mailbox.setSecurity(Pop3Client::Security::Tls);
    mailbox.Connect();
    EXPECT_EQ(mailbox.Result(), static_cast<int>(Pop3Status::TlsFailed));
    const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = saved;
    trusting.addCaCertificate(QSslCertificate(QByteArray(kTestCertificatePem), QSsl::Pem));
    QSslConfiguration::setDefaultConfiguration(trusting);
    const QStringList overTls = identifiers();
    QSslConfiguration::setDefaultConfiguration(saved);
    EXPECT_EQ(overTls, later);
}

TEST_F(Pop3ClientDovecotTest, AWrongPasswordIsRefused)
{
    mailbox.setHost(dovecot.pop3Host());
    mailbox.setPassword("guess");
    mailbox.Connect();
    EXPECT_EQ(mailbox.Result(), static_cast<int>(Pop3Status::ServerRefused));
}
