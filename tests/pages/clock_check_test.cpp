#include "pages/clock_check.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/system_clock.h"
#include "settings/source_addresses.h"
#include "test_support.h"

#include <QAction>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

namespace {

const QString kLine = "\n51234 99-04-14 18:22:30 50 0 0 50.0 UTC(NIST) * \n";

TEST(DaytimeLine, IsReadByItsPositions)
{
    const DaytimeReading reading = readDaytimeLine(kLine);
    EXPECT_EQ(reading.dateText, "04-14-99");
    EXPECT_EQ(reading.timeText, "18:22:30");
    EXPECT_EQ(reading.daylightText, "Daylight Savings Time");
    EXPECT_TRUE(reading.healthy);
    EXPECT_EQ(reading.instant, QDateTime(QDate(2099, 4, 14), QTime(18, 22, 30), Qt::UTC));

    // Nothing arrived: every cut is empty and the server counts as unhealthy.
    const DaytimeReading none = readDaytimeLine(QString());
    EXPECT_EQ(none.dateText, "-");
    EXPECT_EQ(none.daylightText, "Standard Time");
    EXPECT_FALSE(none.healthy);
    EXPECT_FALSE(none.instant);

    for (const char* health : {"1", "2"}) {
        QString sick = kLine;
        sick[30] = QLatin1Char(*health);
        EXPECT_FALSE(readDaytimeLine(sick).healthy) << health;
    }
    const std::pair<const char*, const char*> codes[] = {
        {"00", "Standard Time"}, {"10", "Daylight Savings Time"}, {"50", "Daylight Savings Time"},
        {"51", "Standard Time"}, {"60", "Standard Time"},         {"99", "Standard Time"},
        {"-1", ""},
    };
    for (const auto& [code, text] : codes)
        EXPECT_EQ(daylightSavingText(code), text) << code;
}

TEST(ClockTarget, TakesTheServersTimeOfDayInLocalTimeAndCrossesMidnightWhenNearer)
{
    const QTimeZone newYork(-5 * 3600);
    const QTimeZone india(5 * 3600 + 1800);
    struct Case {
        QTimeZone zone;
        QDateTime computer; // local
        QDateTime server;   // UTC
        QDateTime expected; // local
    };
    const Case cases[] = {
        // Just before the hour the computer's own hour would be an hour off.
        {newYork, QDateTime({2024, 3, 1}, {10, 59, 58}, newYork), QDateTime({2024, 3, 1}, {16, 0, 1}, Qt::UTC),
         QDateTime({2024, 3, 1}, {11, 0, 1}, newYork)},
        // A time zone half an hour off gets its own minutes.
        {india, QDateTime({2024, 3, 1}, {17, 29, 0}, india), QDateTime({2024, 3, 1}, {12, 0, 0}, Qt::UTC),
         QDateTime({2024, 3, 1}, {17, 30, 0}, india)},
        // Midnight lies between the computer's time and the server's, either way.
        {newYork, QDateTime({2024, 3, 1}, {23, 59, 58}, newYork), QDateTime({2024, 3, 2}, {5, 0, 3}, Qt::UTC),
         QDateTime({2024, 3, 2}, {0, 0, 3}, newYork)},
        {newYork, QDateTime({2024, 3, 2}, {0, 0, 2}, newYork), QDateTime({2024, 3, 2}, {4, 59, 57}, Qt::UTC),
         QDateTime({2024, 3, 1}, {23, 59, 57}, newYork)},
        // A computer a few hours wrong keeps its date.
        {newYork, QDateTime({2024, 3, 1}, {8, 0, 0}, newYork), QDateTime({2024, 3, 1}, {19, 0, 0}, Qt::UTC),
         QDateTime({2024, 3, 1}, {14, 0, 0}, newYork)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(clockTarget(c.computer, c.server, c.zone), c.expected) << c.computer.toString().toStdString();
}

// A daytime server: each connection gets the next reply and is closed.
class DaytimeServer {
public:
    DaytimeServer()
    {
        server.listen(QHostAddress::LocalHost);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                if (onConnection)
                    onConnection();
                socket->write(replies.isEmpty() ? QByteArray() : replies.takeFirst());
                socket->disconnectFromHost();
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                ++connections;
            }
        });
    }
    QString root() const { return QStringLiteral("http://127.0.0.1:%1").arg(server.serverPort()); }

    QTcpServer server;
    QList<QByteArray> replies;
    int connections = 0;
    std::function<void()> onConnection; // runs while the program waits for the reply
};

class ClockCheckTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        sites::redirectSites(daytime.root());
        // The computer's clock is five hours behind the server's; given in
        // UTC, the instant it is set to is the same in every time zone.
        setSystemClockSeam(SystemClockSeam{
            [] { return QDateTime({2024, 3, 1}, {10, 59, 58}, Qt::UTC); },
            [this](const QDateTime& when) {
                setTo = when;
                return clockAccepts;
            },
        });
    }
    void TearDown() override
    {
        clearSystemClockSeam();
        SandboxTest::TearDown();
    }
    void check()
    {
        form1().GreenwichTime->trigger();
    }

    DaytimeServer daytime;
    QDateTime setTo;
    bool clockAccepts = true;
};

} // namespace

TEST_F(ClockCheckTest, OffersToSetTheClockAndSetsItOnYes)
{
    const QByteArray line = "\n60370 24-03-01 16:00:01 00 0 0 45.2 UTC(NIST) * \n";
    daytime.replies = {line, line};
    answer = MsgResult::No;
    check();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Corvane Time");
    EXPECT_EQ(messages[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(messages[0].defaultButton, MsgDefault::Second);
    EXPECT_EQ(messages[0].text,
              "Greenwich Mean Time\r\nDate: 03-01-24\r\nGreenwich Time: 16:00:01\r\nStandard Time\r\n"
              "The System Time: 10:59:58\r\n\r\nTime is Verified\r\n\r\nThe time is from an Atomic Clock\r\n"
              "at the U.S. Naval Observatory.\r\n\r\nWould you like to set your System\r\nClock to the exact time?");
    EXPECT_FALSE(setTo.isValid());
    EXPECT_EQ(daytime.connections, 1);
    EXPECT_EQ(form1().panelText(1), ""); // the box tells what the server said

    // The clock is set from a second reading, taken after the answer.
    daytime.replies = {line, "\n60370 24-03-01 16:00:09 00 0 0 45.2 UTC(NIST) * \n"};
    answer = MsgResult::Yes;
    check();
    EXPECT_EQ(setTo, QDateTime({2024, 3, 1}, {16, 0, 9}, Qt::UTC));
    EXPECT_EQ(messages.back().text, "The time has been set!");
    EXPECT_EQ(messages.back().icon, MsgIcon::Exclamation);
}

TEST_F(ClockCheckTest, NeverClaimsAClockItCouldNotSet)
{
    const QByteArray healthy = "\n60370 24-03-01 16:00:01 00 0 0 45.2 UTC(NIST) * \n";
    const QByteArray sick = "\n60370 24-03-01 16:00:01 00 0 2 45.2 UTC(NIST) * \n";
    answer = MsgResult::Yes;
    const QString notSet = "An Error Occured!\r\n\r\nThe time has not been set!";

    clockAccepts = false; // the system refuses
    daytime.replies = {healthy, healthy};
    check();
    EXPECT_EQ(messages.back().text, notSet);

    clockAccepts = true; // the server falls ill between the two requests
    setTo = QDateTime();
    daytime.replies = {healthy, sick};
    check();
    EXPECT_EQ(messages.back().text, notSet);
    EXPECT_FALSE(setTo.isValid());

    // An ill server gets no offer at all.
    messages.clear();
    daytime.replies = {sick};
    check();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Greenwich Mean Time\r\nDate: 03-01-24\r\nTime: 16:00:01\r\nStandard Time\r\n\r\n"
                                "Time Error\r\n\r\n");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);

    // Nor does a server gone silent between the two readings.
    daytime.replies = {healthy};
    check();
    EXPECT_EQ(messages.back().text, notSet);
    EXPECT_FALSE(setTo.isValid());
}

TEST_F(ClockCheckTest, AServerThatSendsNothingIsSaidToBeOutOfReach)
{
    // The server closes without a word, then refuses the connection.
    for (const bool listening : {true, false}) {
        if (!listening)
            daytime.server.close();
        messages.clear();
        form1().setPanelText(1, "E-Mail Site Check Completed."); // left by an earlier command
        QString waiting;
        daytime.onConnection = [&waiting] { waiting = form1().panelText(1); };
        check();
        ASSERT_EQ(messages.size(), 1u) << listening;
        EXPECT_EQ(messages[0].text, "The time server (127.0.0.1) could not be reached.\r\nTry again later.");
        EXPECT_EQ(messages[0].title, "Corvane Time");
        EXPECT_EQ(form1().panelText(1), "The time server could not be reached.");
        if (listening) {
            EXPECT_EQ(waiting, "Corvane Contacting Time Server ..... Please Wait");
        }
    }
}

TEST_F(ClockCheckTest, AReplyWhoseDateAndTimeDoNotReadIsNoTime)
{
    const QString offer = "Clock to the exact time?", ill = "\r\n\r\nTime Error\r\n\r\n",
                  unread = "The time server (127.0.0.1) sent an answer that could not be read as a date and time."
                           "\r\nThe clock has not been checked.";
    const std::pair<QByteArray, QString> cases[] = {
        {"\n60370 24-03-01 16:00:01 00 0 0 45.2 UTC(NIST) * \n", offer},
        {"\n60370 24-03-01 16:00:01 00 0 2 45.2 UTC(NIST) * \n", ill},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabcd0 hello", unread},
        {"\n60370 24-13-01 16:00:01 00 0 0 45.2 UTC(NIST) * \n", unread},
        {"\n60370 +4-03-01 1 :00:01 00 0 0 45.2 UTC(NIST) * \n", unread},
        {"<html><body>0000000000000000000000000000000000</body></html>", unread},
    };
    answer = MsgResult::Yes; // an offer is taken at once
    for (const auto& [reply, box] : cases) {
        SCOPED_TRACE(reply.toStdString());
        messages.clear();
        setTo = QDateTime();
        daytime.replies = {reply, reply};
        check();
        ASSERT_FALSE(messages.empty());
        EXPECT_TRUE(messages[0].text.endsWith(box)) << messages[0].text.toStdString();
        EXPECT_EQ(messages.size(), box == offer ? 2u : 1u);
        EXPECT_EQ(setTo.isValid(), box == offer);
        EXPECT_EQ(form1().panelText(1), box == unread ? "The time server's answer could not be read." : "");
    }
}

TEST_F(ClockCheckTest, AProgramClosedWhileItWaitsForTheServerNeitherAsksNorSetsTheClock)
{
    const QByteArray line = "\n60370 24-03-01 16:00:01 00 0 0 45.2 UTC(NIST) * \n";
    answer = MsgResult::Yes;
    for (const int closingReading : {1, 2}) {
        releaseAllForms(); // a program not closed yet
        messages.clear();
        daytime.replies = {line, line};
        daytime.onConnection = [&, readings = 0]() mutable {
            if (++readings == closingReading)
                form1().Exit_Click();
        };
        check();
        EXPECT_EQ(messages.size(), closingReading - 1u) << closingReading; // only an offer made before
        EXPECT_FALSE(setTo.isValid()) << closingReading;
    }
}
