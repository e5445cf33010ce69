#include "platform/inet_control.h"

#include "platform/waits.h"
#include "support/fetch_log.h"
#include "support/local_http_server.h"
#include "support/test_certificate.h"

#include <QElapsedTimer>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>
#include <optional>

namespace {

class InetControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.listen());
        inet.setAccessType(InetControl::icDirect);
        // Far beyond what a local request takes, however busy the machine:
        // the tests of time-outs set their own.
        inet.setRequestTimeout(30);
        QObject::connect(&inet, &InetControl::StateChanged, [this](int state) { states << state; });
    }

    // The kind of the error that OpenURL throws, or nullopt when it succeeds.
    std::optional<InetErrorKind> failureOf(const QString& url)
    {
        try {
            inet.OpenURL(url);
        } catch (const InetError& error) {
            EXPECT_FALSE(error.message().isEmpty());
            return error.kind();
        }
        return std::nullopt;
    }

    LocalHttpServer server;
    InetControl inet;
    FetchLog fetches{inet, server};
    QList<int> states;
};

const QList<int> kWholeRequest{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12};

} // namespace

TEST_F(InetControlTest, PageComesBackWholeThroughEveryStateInOrder)
{
    server.route("/obs/tx.html", HttpReply::text("<pre>WACO  SUNNY  72 55</pre>"));
    bool busyDuring = false;
    QObject::connect(&inet, &InetControl::StateChanged, [&](int) { busyDuring = inet.StillExecuting(); });

    EXPECT_FALSE(inet.StillExecuting());
    EXPECT_EQ(inet.OpenURL(server.url("/obs/tx.html")), "<pre>WACO  SUNNY  72 55</pre>");
    EXPECT_TRUE(busyDuring);
    EXPECT_FALSE(inet.StillExecuting());
    EXPECT_EQ(states, kWholeRequest);
    EXPECT_EQ(inet.lastErrorNumber(), 0);
    ASSERT_EQ(fetches.targets(), QList<QByteArray>{"/obs/tx.html"});
    EXPECT_EQ(server.requests()[0].method, "GET");
}

TEST_F(InetControlTest, ARequestCarriesItsOwnHeadersBesideOrInsteadOfTheControls)
{
    server.route("/alerts", HttpReply::text("{}", "application/geo+json"));
    EXPECT_EQ(inet.OpenURL(server.url("/alerts"), {{"Accept", "application/geo+json"}}), "{}");
    EXPECT_EQ(inet.OpenURL(server.url("/alerts"), {{"User-Agent", "Mirror-Check/2"}}), "{}");
    const HttpRequestRecord& first = server.requests().first();
    EXPECT_EQ(first.header("Accept"), "application/geo+json");
    EXPECT_TRUE(first.header("User-Agent").startsWith("Corvane/"));
    EXPECT_EQ(server.requests().last().header("User-Agent"), "Mirror-Check/2");
}

TEST_F(InetControlTest, EmptyReplyIsEmptyTextButAClosedConnectionIsAnError)
{
    server.route("/empty", HttpReply::text(""));
    server.route("/hangs-up", HttpReply::of(HttpReply::Mode::CloseWithoutAnswer));

    EXPECT_EQ(inet.OpenURL(server.url("/empty")), "");
    EXPECT_EQ(states, kWholeRequest);

    states.clear();
    EXPECT_EQ(failureOf(server.url("/hangs-up")), InetErrorKind::Reset);
    EXPECT_EQ(states.last(), InetControl::icError);
    EXPECT_FALSE(inet.StillExecuting());
}

TEST_F(InetControlTest, RedirectsAreFollowedButALoopEnds)
{
    server.route("/old", HttpReply::redirect("/new"));
    server.route("/moved-far", HttpReply::redirect(server.url("/old").toUtf8(), 301));
    server.route("/new", HttpReply::text("fresh page"));
    server.route("/loop", HttpReply::redirect("/loop"));

    // Only the end of the chain has this page.
    EXPECT_EQ(inet.OpenURL(server.url("/moved-far")), "fresh page");

    // Followed for ever, the loop would end as a time-out.
    EXPECT_EQ(failureOf(server.url("/loop")), InetErrorKind::Other);
}

TEST_F(InetControlTest, ErrorStatusPagesAreReturnedLikeAnyPage)
{
    HttpReply missing = HttpReply::text("no such station");
    missing.status = 404;
    HttpReply broken = HttpReply::text("try later");
    broken.status = 503;
    server.route("/missing", missing);
    server.route("/broken", broken);

    EXPECT_EQ(inet.OpenURL(server.url("/missing")), "no such station");
    EXPECT_EQ(inet.OpenURL(server.url("/broken")), "try later");
}

TEST_F(InetControlTest, SilentServerTimesOutWithinTheSetSeconds)
{
    server.route("/silent", HttpReply::of(HttpReply::Mode::NeverAnswer));
    inet.setRequestTimeout(1);
    QElapsedTimer clock;
    clock.start();

    EXPECT_EQ(failureOf(server.url("/silent")), InetErrorKind::TimedOut);
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_LT(clock.elapsed(), 30000); // the set second, not the default minute
    EXPECT_EQ(states.last(), InetControl::icError);
    EXPECT_EQ(inet.lastErrorNumber(), static_cast<int>(InetErrorKind::TimedOut));
    EXPECT_FALSE(inet.StillExecuting());
}

TEST_F(InetControlTest, TimeOutCountsFromTheLastSignOfTheServerButATrickleEndsAllTheSame)
{
    // 3.5 seconds in all, but never more than 0.1 seconds without a byte:
    // a busy machine may stretch a gap far before it reaches the time-out.
    HttpReply slow = HttpReply::text(QByteArray(3600, 'a'));
    slow.pieces = 36;
    slow.pieceDelayMs = 100;
    server.route("/slow", slow);
    inet.setRequestTimeout(3);
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(inet.OpenURL(server.url("/slow")), QString(3600, 'a'));
    EXPECT_GT(clock.elapsed(), 3000);

    // A byte every 0.2 seconds for ever still ends in a time-out. Were the
    // request never to end, the cancel would end it (and the test fail).
    HttpReply trickle = HttpReply::of(HttpReply::Mode::Trickle);
    trickle.pieceDelayMs = 200;
    server.route("/trickle", trickle);
    inet.setRequestTimeout(1);
    QTimer lastResort;
    lastResort.setSingleShot(true);
    QObject::connect(&lastResort, &QTimer::timeout, [this] { inet.Cancel(); });
    lastResort.start(30000);
    clock.restart();
    EXPECT_EQ(failureOf(server.url("/trickle")), InetErrorKind::TimedOut);
    EXPECT_GE(clock.elapsed(), 900);
    EXPECT_EQ(states.last(), InetControl::icError);
}

TEST_F(InetControlTest, RefusedAndResetConnectionsFailWithTheirKinds)
{
    server.route("/half", [] {
        HttpReply reply = HttpReply::text(QByteArray(20000, 'r'));
        reply.mode = HttpReply::Mode::ResetHalfway;
        return reply;
    }());

    const QString refused = QStringLiteral("http://127.0.0.1:%1/x").arg(LocalHttpServer::refusedPort());
    EXPECT_EQ(failureOf(refused), InetErrorKind::Refused);
    EXPECT_EQ(states.last(), InetControl::icError);
    EXPECT_FALSE(inet.StillExecuting());

    EXPECT_EQ(failureOf(server.url("/half")), InetErrorKind::Reset);
    EXPECT_FALSE(inet.StillExecuting());
}

TEST_F(InetControlTest, RepliesOverTheBoundFailWithoutBeingHeldWhole)
{
    inet.setMaxReplyBytes(1000);
    server.route("/exact", HttpReply::text(QByteArray(1000, 'e')));
    server.route("/one-more", HttpReply::text(QByteArray(1001, 'e')));
    HttpReply announced = HttpReply::of(HttpReply::Mode::Stream);
    announced.streamBytes = 50LL * 1024 * 1024;
    server.route("/announced", announced);
    HttpReply endless = announced;
    endless.announceLength = false;
    server.route("/unannounced", endless);

    EXPECT_EQ(inet.OpenURL(server.url("/exact")).size(), 1000);
    EXPECT_EQ(failureOf(server.url("/one-more")), InetErrorKind::TooLarge);
    EXPECT_EQ(failureOf(server.url("/announced")), InetErrorKind::TooLarge);
    EXPECT_EQ(failureOf(server.url("/unannounced")), InetErrorKind::TooLarge);
    EXPECT_FALSE(inet.StillExecuting());

    // A control that cuts long replies returns their start.
    inet.setCutsLongReplies(true);
    const std::pair<const char*, char> starts[] = {{"/exact", 'e'}, {"/one-more", 'e'}, {"/announced", 'x'},
                                                   {"/unannounced", 'x'}};
    for (const auto& [path, filler] : starts)
        EXPECT_EQ(inet.OpenURL(server.url(path)), QString(1000, QLatin1Char(filler))) << path;
}

TEST_F(InetControlTest, BytesComeBackUntouchedAndTextAsUtf8)
{
    QByteArray binary;
    for (int i = 0; i < 512; ++i)
        binary.append(static_cast<char>(i % 256));
    server.route("/radar.gif", HttpReply::bytes(binary, "image/gif"));
    server.route("/text", HttpReply::text("80\xB0", "text/plain; charset=iso-8859-1"));

    EXPECT_EQ(inet.OpenURL(server.url("/radar.gif"), InetControl::icByteArray), binary);
    EXPECT_EQ(inet.OpenURL(server.url("/text"), InetControl::icString), QByteArray("80\xC2\xB0"));
    EXPECT_THROW(inet.OpenURL(server.url("/text"), 7), InetError);
}

TEST_F(InetControlTest, EventsRunDuringADownloadAndASecondRequestIsRefused)
{
    server.route("/slow", HttpReply::text("done").after(300));
    server.route("/other", HttpReply::text("other"));
    bool timerRan = false;
    std::optional<InetErrorKind> second;
    QTimer::singleShot(50, [&] {
        timerRan = true;
        try {
            inet.OpenURL(server.url("/other"));
        } catch (const InetError& error) {
            second = error.kind();
        }
    });

    EXPECT_EQ(inet.OpenURL(server.url("/slow")), "done");
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(second, InetErrorKind::Busy);
    EXPECT_EQ(server.count("/other"), 0); // never asked, so never repeated either
    EXPECT_EQ(states, kWholeRequest); // the refused request reported nothing
}

TEST_F(InetControlTest, RequestThatEndsUnderAnotherControlsWaitKeepsItsPage)
{
    // The quick page is whole long before the slow request that a timer
    // started meanwhile lets the first OpenURL return; the first control's
    // time-out passes in between and must not spoil its finished reply.
    server.route("/quick", HttpReply::text("quick page").after(50));
    server.route("/slow", HttpReply::text("slow page").after(3500));
    InetControl other;
    other.setAccessType(InetControl::icDirect);
    other.setRequestTimeout(30);
    inet.setRequestTimeout(3);
    QString otherPage;
    QTimer::singleShot(10, [&] {
        otherPage = other.OpenURL(server.url("/slow"));
        inet.Cancel(); // too late: the quick page is already whole
    });

    EXPECT_EQ(inet.OpenURL(server.url("/quick")), "quick page");
    EXPECT_EQ(otherPage, "slow page");
}

TEST_F(InetControlTest, CancelEndsTheRequestAndLeavesTheControlUsable)
{
    server.route("/slow", HttpReply::text("late").after(2000));
    server.route("/quick", HttpReply::text("quick"));
    QTimer::singleShot(100, [&] { inet.Cancel(); });

    EXPECT_EQ(failureOf(server.url("/slow")), InetErrorKind::Cancelled);
    // As far as the request got by then (up to "sent"), no reply, cancelled.
    ASSERT_GE(states.size(), 3);
    EXPECT_EQ(states.first(), InetControl::icResolvingHost);
    EXPECT_LE(*std::max_element(states.begin(), states.end() - 2), InetControl::icRequestSent);
    EXPECT_EQ(states.mid(states.size() - 2), QList<int>({9, 10}));
    EXPECT_FALSE(inet.StillExecuting());

    inet.Cancel(); // nothing runs: nothing happens
    EXPECT_EQ(inet.OpenURL(server.url("/quick")), "quick");
}

TEST_F(InetControlTest, CancelFromAStateReportEndsTheRequest)
{
    server.route("/slow", HttpReply::text("late").after(1000));
    QObject::connect(&inet, &InetControl::StateChanged, [&](int state) {
        if (state == InetControl::icResolvingHost)
            inet.Cancel();
    });
    EXPECT_EQ(failureOf(server.url("/slow")), InetErrorKind::Cancelled);
    EXPECT_EQ(server.count("/slow"), 0);
    EXPECT_EQ(states, QList<int>({1, 9, 10})); // no state of a reply that never came
}

TEST(InetControlLifetime, ControlDestroyedDuringATransferFailsTheWaitingRequest)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    server.route("/slow", HttpReply::text("late").after(1000));
    auto* inet = new InetControl;
    inet->setAccessType(InetControl::icDirect);
    QTimer::singleShot(100, [&] { delete inet; inet = nullptr; });

    std::optional<InetErrorKind> kind;
    try {
        inet->OpenURL(server.url("/slow"));
    } catch (const InetError& error) {
        kind = error.kind();
    }
    EXPECT_EQ(kind, InetErrorKind::Cancelled);
    EXPECT_EQ(inet, nullptr);
}

TEST_F(InetControlTest, OnlyWebAddressesAreFetched)
{
    for (const QString& url : {QStringLiteral(""), QStringLiteral("not a url"), QStringLiteral("file:///etc/passwd"),
                               QStringLiteral("ftp://127.0.0.1/x"), QStringLiteral("http://")}) {
        EXPECT_EQ(failureOf(url), InetErrorKind::Other) << url.toStdString();
    }
    EXPECT_TRUE(states.isEmpty());
    EXPECT_FALSE(inet.StillExecuting());
}

// --- Proxies ---------------------------------------------------------------

TEST_F(InetControlTest, NamedProxyGetsTheRequestWithTheCredentials)
{
    // The control offers the credentials when the proxy asks for them: the
    // first request goes without, the proxy answers 407 with a Basic
    // challenge, and the request is repeated with the configured ones.
    server.requireProxyCredentials("weather", "s3cret:pw");
    server.route("/obs/tx.html", HttpReply::text("through the proxy"));
    inet.setAccessType(InetControl::icNamedProxy);
    inet.setProxy(QStringLiteral("127.0.0.1"));
    inet.setRemotePort(server.port());
    inet.setUserName(QStringLiteral("weather"));
    inet.setPassword(QStringLiteral("s3cret:pw"));

    EXPECT_EQ(inet.OpenURL(QStringLiteral("http://roundup.invalid/obs/tx.html")), "through the proxy");
    ASSERT_GE(server.requests().size(), 2);
    EXPECT_FALSE(server.requests()[0].hasHeader("Proxy-Authorization"));
    const HttpRequestRecord& last = server.requests().last();
    EXPECT_EQ(last.target, "http://roundup.invalid/obs/tx.html");
    EXPECT_EQ(last.header("Proxy-Authorization"), "Basic " + QByteArray("weather:s3cret:pw").toBase64());
}

TEST_F(InetControlTest, NamedProxyWithoutCredentialsSendsNone)
{
    server.route("/page", HttpReply::text("plain proxy"));
    inet.setAccessType(InetControl::icNamedProxy);
    inet.setProxy(QStringLiteral("http://127.0.0.1:%1").arg(server.port())); // the port in the text wins
    inet.setRemotePort(LocalHttpServer::refusedPort());

    EXPECT_EQ(inet.OpenURL(QStringLiteral("http://roundup.invalid/page")), "plain proxy");
    for (const HttpRequestRecord& request : server.requests())
        EXPECT_FALSE(request.hasHeader("Proxy-Authorization"));
}

TEST_F(InetControlTest, WrongProxyCredentialsFailInsteadOfAskingForEver)
{
    server.requireProxyCredentials("weather", "right");
    server.route("/page", HttpReply::text("never"));
    inet.setAccessType(InetControl::icNamedProxy);
    inet.setProxy(QStringLiteral("127.0.0.1"));
    inet.setRemotePort(server.port());
    inet.setUserName(QStringLiteral("weather"));
    inet.setPassword(QStringLiteral("wrong"));

    // Asking for ever would end as a time-out.
    EXPECT_EQ(failureOf(QStringLiteral("http://roundup.invalid/page")), InetErrorKind::Other);
}

TEST_F(InetControlTest, DirectAccessIgnoresTheProxyValues)
{
    server.route("/page", HttpReply::text("direct"));
    inet.setProxy(QStringLiteral("127.0.0.1"));
    inet.setRemotePort(LocalHttpServer::refusedPort());
    inet.setAccessType(InetControl::icDirect);

    EXPECT_EQ(inet.OpenURL(server.url("/page")), "direct");
    EXPECT_EQ(server.requests()[0].target, "/page");
}

TEST_F(InetControlTest, SystemSettingsAccessUsesTheProxyOfTheEnvironment)
{
    server.route("/page", HttpReply::text("system proxy"));
    const QByteArray saved = qgetenv("http_proxy");
    qputenv("http_proxy", QStringLiteral("http://127.0.0.1:%1").arg(server.port()).toUtf8());
    inet.setAccessType(InetControl::icUseDefault);

    QString page;
    try {
        page = inet.OpenURL(QStringLiteral("http://roundup.invalid/page"));
    } catch (const InetError& error) {
        ADD_FAILURE() << error.what();
    }
    if (saved.isNull())
        qunsetenv("http_proxy");
    else
        qputenv("http_proxy", saved);
    EXPECT_EQ(page, "system proxy");
    EXPECT_EQ(fetches.targets(), QList<QByteArray>{"http://roundup.invalid/page"});
}

// --- HTTPS -----------------------------------------------------------------

TEST(InetControlTls, CertificatesAreVerified)
{
    const QSslCertificate certificate(QByteArray(kTestCertificatePem), QSsl::Pem);
    const QSslKey key(QByteArray(kTestPrivateKeyPem), QSsl::Ec, QSsl::Pem);
    ASSERT_FALSE(certificate.isNull());
    ASSERT_FALSE(key.isNull());
    LocalHttpServer server;
    ASSERT_TRUE(server.listenTls(certificate, key));
    server.route("/secure", HttpReply::text("over tls"));
    InetControl inet;
    inet.setAccessType(InetControl::icDirect);
    inet.setRequestTimeout(30);

    // A certificate nobody vouches for is refused.
    std::optional<InetErrorKind> kind;
    try {
        inet.OpenURL(server.url("/secure"));
    } catch (const InetError& error) {
        kind = error.kind();
    }
    EXPECT_EQ(kind, InetErrorKind::Other);
    EXPECT_EQ(server.count("/secure"), 0);

    // Once trusted, the page comes through.
    const QSslConfiguration saved = QSslConfiguration::defaultConfiguration();
    QSslConfiguration trusting = saved;
    trusting.addCaCertificate(certificate);
    QSslConfiguration::setDefaultConfiguration(trusting);
    QString page;
    try {
        page = inet.OpenURL(server.url("/secure"));
    } catch (const InetError& error) {
        ADD_FAILURE() << error.what();
    }
    QSslConfiguration::setDefaultConfiguration(saved);
    EXPECT_EQ(page, "over tls");
}

// --- Page text -------------------------------------------------------------

TEST(PageText, DeclaredCharacterSetIsHonoured)
{
    // Latin-1 labels read as Windows-1252, which agrees with Latin-1 on the
    // degree sign and adds the curly quotes.
    EXPECT_EQ(decodePageText("72\xB0 \x93Sunny\x94", "text/html; charset=ISO-8859-1"),
              QString::fromUtf8("72° “Sunny”"));
    EXPECT_EQ(decodePageText("72\xC2\xB0", "text/plain;charset=\"utf-8\""), QString::fromUtf8("72°"));
    EXPECT_EQ(decodePageText("<html><head><meta charset=\"windows-1252\"></head>\x96</html>", ""),
              QString::fromUtf8("<html><head><meta charset=\"windows-1252\"></head>–</html>"));
    EXPECT_EQ(decodePageText("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\xC2\xB0", ""),
              QString::fromUtf8("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">°"));
    // The header wins over the page's own tag.
    EXPECT_EQ(decodePageText("<meta charset=utf-8>\xB0", "text/html; charset=iso-8859-1"),
              QString::fromUtf8("<meta charset=utf-8>°"));
}

TEST(PageText, UndeclaredTextIsUtf8WhenValidElseLatin1)
{
    EXPECT_EQ(decodePageText("Temp 72\xC2\xB0""F", "text/html"), QString::fromUtf8("Temp 72°F"));
    EXPECT_EQ(decodePageText("Temp 72\xB0""F", "text/html"), QString::fromUtf8("Temp 72°F"));
    EXPECT_EQ(decodePageText("cut \xC2", ""), QString::fromUtf8("cut Â"));
    EXPECT_EQ(decodePageText("\xEF\xBB\xBFwith mark", "text/plain; charset=iso-8859-1"), "with mark");
    EXPECT_EQ(decodePageText(QByteArray("\xFF\xFEH\0i\0", 6), ""), "Hi");
    EXPECT_EQ(decodePageText("unknown label \xB0", "text/plain; charset=x-no-such-set"),
              QString::fromUtf8("unknown label °"));
    EXPECT_EQ(decodePageText("", "text/html; charset=utf-8"), "");
}

TEST_F(InetControlTest, PageTextFollowsTheReplysCharacterSet)
{
    server.route("/latin", HttpReply::text("Dewpt 55\xB0", "text/plain; charset=iso-8859-1"));
    server.route("/utf", HttpReply::text("Dewpt 55\xC2\xB0", "text/plain"));
    EXPECT_EQ(inet.OpenURL(server.url("/latin")), QString::fromUtf8("Dewpt 55°"));
    EXPECT_EQ(inet.OpenURL(server.url("/utf")), QString::fromUtf8("Dewpt 55°"));
}
