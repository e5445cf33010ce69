#include "platform/pop3_client.h"

#include "support/dovecot_server.h"
#include "support/fake_pop3_server.h"
#include "support/local_http_server.h"
#include "support/test_certificate.h"

#include <QElapsedTimer>
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

    // A server of its own, over a mailbox of uid-a and uid-b, that `setUp`
    // sets up further; the client is pointed at it.
    std::unique_ptr<FakePop3Server> serverOfItsOwn(const std::function<void(FakePop3Server&)>& setUp)
    {
        auto own = std::make_unique<FakePop3Server>();
        EXPECT_TRUE(own->listen());
        own->addMailbox("walker", "s3cret", {"uid-a", "uid-b"});
        setUp(*own);
        mailbox.setHost(own->host());
        return own;
    }

    FakePop3Server server;
    Pop3Client mailbox;
};

} // namespace

TEST_F(Pop3ClientTest, LogsInListsEveryIdentifierAtOnceThenSaysGoodbye)
{
    server.answer("STAT", "+OK 2 5368709120\r\n"); // 5 GiB of mail
    mailbox.Connect();
    ASSERT_EQ(mailbox.Result(), 0);
    EXPECT_EQ(mailbox.MessageCount(), 2);
    EXPECT_EQ(mailbox.FetchMessageIds(), (QStringList{"uid-a", "uid-b"}));
    mailbox.FetchMessage(2);
    EXPECT_EQ(mailbox.MessageId(), "uid-b");
    mailbox.Disconnect();
    EXPECT_EQ(server.commands(),
              (QList<QByteArray>{"CAPA", "USER walker", "PASS s3cret", "STAT", "UIDL", "UIDL 2", "QUIT"}));
    EXPECT_EQ(mailbox.Result(), status(Pop3Status::NotConnected));
}

// A list is believed only whole and in message order; a server that gives
// none is asked message by message.
TEST_F(Pop3ClientTest, AnIdentifierListIsTakenOnlyWholeAndInOrder)
{
    const struct {
        const char* name;
        QByteArray list;
        std::optional<QStringList> ids;
    } cases[] = {
        {"no list", "-ERR not supported\r\n", QStringList{"uid-a", "uid-b"}},
        {"out of order", "+OK\r\n2 uid-b\r\n1 uid-a\r\n.\r\n", std::nullopt},
        {"one missing", "+OK\r\n1 uid-a\r\n.\r\n", std::nullopt},
        {"one too many", "+OK\r\n1 uid-a\r\n2 uid-b\r\n3 uid-c\r\n.\r\n", std::nullopt},
        {"a blank in an identifier", "+OK\r\n1 uid-a\r\n2 uid b\r\n.\r\n", std::nullopt},
        {"an answer after the list", "+OK\r\n1 uid-a\r\n2 uid-b\r\n.\r\n+OK\r\n", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto listing = serverOfItsOwn([&](FakePop3Server& s) { s.answer("UIDL", c.list); });
        mailbox.Connect();
        ASSERT_EQ(mailbox.Result(), 0);
        std::optional<QStringList> ids;
        try {
            ids = mailbox.FetchMessageIds();
        } catch (const Pop3Error& error) {
            EXPECT_EQ(error.status(), Pop3Status::ProtocolError);
            EXPECT_EQ(mailbox.Result(), status(Pop3Status::ProtocolError));
        }
        EXPECT_EQ(ids, c.ids);
        EXPECT_EQ(listing->commands().contains("UIDL 1"), c.ids.has_value());
    }
}

// Where the server offers TLS, the password never goes in clear; a server
// that knows no CAPA is used in clear, as one that offers no STLS is.
TEST_F(Pop3ClientTest, APasswordGoesInClearOnlyToAServerThatOffersNoTls)
{
    const struct {
        const char* name;
        QByteArray capabilities;
        Pop3Status result;
    } cases[] = {
        {"no CAPA", "-ERR unknown command\r\n", Pop3Status::Connected},
        {"no STLS", "+OK\r\nUSER\r\nSTLSX\r\n.\r\n", Pop3Status::Connected},
        {"STLS offered, then refused", "+OK\r\nUSER\r\nSTLS\r\n.\r\n", Pop3Status::TlsFailed},
        {"stls in small letters", "+OK\r\nstls\r\n.\r\n", Pop3Status::TlsFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto plain = serverOfItsOwn([&](FakePop3Server& s) { s.answer("CAPA", c.capabilities); });
        mailbox.Connect();
        EXPECT_EQ(mailbox.Result(), status(c.result));
        EXPECT_EQ(plain->commands().contains("STLS"), c.result == Pop3Status::TlsFailed);
        EXPECT_EQ(plain->commands().contains("PASS s3cret"), c.result == Pop3Status::Connected);
    }
}

// However many messages a server claims or lists, and however long it goes
// on answering, the session ends: the mailbox is too large to check.
TEST_F(Pop3ClientTest, AMailboxTooLargeToListEndsTheSession)
{
    QByteArray endlessList = "+OK\r\n";
    for (int i = 1; i <= 1'000'000; ++i)
        endlessList += QByteArray::number(i) + " uid-" + QByteArray::number(i) + "\r\n";
    const struct {
        const char* name;
        std::function<void(FakePop3Server&)> mailbox;
        bool connects;
        int timeout = 30; // seconds a step may take: the session, four times that
    } cases[] = {
        {"two billion messages", [](FakePop3Server& s) { s.answer("STAT", "+OK 2000000000 0\r\n"); }, false},
        {"more than 64 bits can count",
         [](FakePop3Server& s) { s.answer("STAT", "+OK 123456789012345678901234567890 0\r\n"); }, false},
        {"a list past the byte bound",
         [&](FakePop3Server& s) {
             s.answer("STAT", "+OK 1000000 0\r\n");
             s.answer("UIDL", endlessList);
         },
         true},
        {"asked message by message without end",
         [](FakePop3Server& s) {
             s.addMailbox("walker", "s3cret", FakePop3Server::numberedIds(1'000'000));
             s.answer("UIDL", "-ERR no list\r\n");
         },
         true, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto large = serverOfItsOwn(c.mailbox);
        mailbox.setTimeout(c.timeout);
        QElapsedTimer clock;
        clock.start();
        mailbox.Connect();
        if (c.connects) {
            ASSERT_EQ(mailbox.Result(), 0);
            try {
                mailbox.FetchMessageIds();
                ADD_FAILURE() << "listed whole";
            } catch (const Pop3Error& error) {
                EXPECT_EQ(error.status(), Pop3Status::TooLarge);
            }
        }
        EXPECT_EQ(mailbox.Result(), status(Pop3Status::TooLarge));
        EXPECT_EQ(large->commands().contains("UIDL"), c.connects);
        EXPECT_LT(clock.elapsed(), 60000); // a hang guard
    }
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
        const auto faulty = serverOfItsOwn(c.fault);
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
        mailbox.Connect();
        if (mailbox.Result() != 0)
            return {};
        const QStringList ids = mailbox.FetchMessageIds();
        mailbox.Disconnect();
        return ids;
    }

    DovecotServer dovecot;
    Pop3Client mailbox;
};

// A server that offers no TLS at all.
class Pop3ClientPlainDovecotTest : public Pop3ClientDovecotTest {
protected:
    void SetUp() override
    {
        dovecot.setStartTls(false);
        Pop3ClientDovecotTest::SetUp();
    }
};

} // namespace

TEST_F(Pop3ClientDovecotTest, IdentifiersStayTheSameAcrossConnectionsAndOverTls)
{
    // STLS and POP3S alike: a certificate nobody vouches for is refused.
    mailbox.setHost(dovecot.pop3Host());
    mailbox.Connect();
    EXPECT_EQ(mailbox.Result(), static_cast<int>(Pop3Status::TlsFailed));
    mailbox.setHost(QStringLiteral("127.0.0.1:%1").arg(dovecot.pop3sPort()));
    mailbox.setSecurity(Pop3Client::Security::Tls);
    mailbox.Connect();
    EXPECT_EQ(mailbox.Result(), static_cast<int>(Pop3Status::TlsFailed));

    const TrustedTestCertificate trusted;
    mailbox.setHost(dovecot.pop3Host());
    mailbox.setSecurity(Pop3Client::Security::ByPort);
    const QStringList first = identifiers();
    ASSERT_EQ(first.size(), 2);
    EXPECT_NE(first[0], first[1]);
    EXPECT_EQ(identifiers(), first);

    dovecot.deliver("walker", "third");
    const QStringList later = identifiers();
    ASSERT_EQ(later.size(), 3);
    EXPECT_EQ(later.mid(0, 2), first);

    mailbox.setHost(QStringLiteral("127.0.0.1:%1").arg(dovecot.pop3sPort()));
    mailbox.setSecurity(Pop3Client::Security::Tls);
    EXPECT_EQ(identifiers(), later);
}

TEST_F(Pop3ClientDovecotTest, AWrongPasswordIsRefused)
{
    const TrustedTestCertificate trusted;
    mailbox.setHost(dovecot.pop3Host());
    mailbox.setPassword("guess");
    mailbox.Connect();
    EXPECT_EQ(mailbox.Result(), static_cast<int>(Pop3Status::ServerRefused));
}

// No certificate is trusted: the log-in works only because it is in clear.
TEST_F(Pop3ClientPlainDovecotTest, AServerWithoutTlsIsReadInClear)
{
    mailbox.setHost(dovecot.pop3Host());
    EXPECT_EQ(identifiers().size(), 2);
}
