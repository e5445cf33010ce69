#include "settings/mail_check.h"

#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/pop3_client.h"
#include "platform/settings_store.h"
#include "platform/sound_player.h"
#include "platform/tray_icons.h"
#include "settings/mail_report.h"
#include "settings/string_routines.h"
#include "support/dovecot_server.h"
#include "support/fake_pop3_server.h"
#include "support/cpu_clock.h"
#include "support/local_http_server.h"
#include "support/test_certificate.h"
#include "test_support.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>
#include <optional>
#include <utility>

namespace {

const QString kNoMail = "At this time there is no new E-Mail.";
const QString kNoAccount = "No E-Mail account is set up.";

class MailCheckTest : public DallasSandboxTest {
protected:
    void SetUp() override
    {
        DallasSandboxTest::SetUp();
        form2().Combo4->addItem("Chime");
        form2().Combo4->setCurrentText("Chime");
        // A hang guard that a local mailbox's step never comes near, however
        // busy the machine: the tests of time-outs set their own.
        program().InetTimeout = 30;
    }

    static void storeAccount(int n, const QString& site, const QString& name, QString password)
    {
        const QString number = QString::number(n);
        SaveSetting("EMail", "Site" + number, site);
        SaveSetting("EMail", "Name" + number, name);
        SaveSetting("EMail", "Pass" + number, Flip_Bits(password));
    }

    // The text of the report box that "&Now" shows.
    QString checkNow()
    {
        messages.clear();
        form1().CkMail_Click(1);
        if (messages.size() != 1)
            return "(no single report)";
        EXPECT_EQ(messages[0].title, "Corvane E-Mail Check");
        EXPECT_EQ(messages[0].icon, MsgIcon::Information);
        return messages[0].text;
    }

    static QString line(const QString& site, const QString& count)
    {
        return "Your E-Mail Box at " + site + " has " + count + "\r\n";
    }
};

} // namespace

TEST(MailReport, CallsTheCheckCompleteOnlyWhenEveryAccountInUseWasRead)
{
    const MailAccountState unused;
    const MailAccountState empty{"pop.one.example", 0, ""};
    const MailAccountState two{"pop.two.example", 2, ""};
    const MailAccountState mute{"pop.mute.example", 0, "no answer from the server"};
    const MailAccountState broken{"pop.two.example", 1, "the server closed the connection"};
    const QString twoLine = "Your E-Mail Box at POP.TWO.EXAMPLE has 2 unread messages.\r\n";
    const QString muteLine = "Account 3 (pop.mute.example) could not be checked: no answer from the server.\r\n";
    const struct {
        std::array<MailAccountState, 3> accounts;
        QString report;
        QString status;
    } cases[] = {
        {{unused, unused, unused},
         "No E-Mail account is set up.\r\nSet one up in Corvane Options, on the Internet tab.",
         "No E-Mail account is set up."},
        {{empty, unused, empty}, "At this time there is no new E-Mail.", "E-Mail Site Check Completed."},
        {{empty, two, unused}, twoLine, "E-Mail Site Check Completed."},
        {{empty, two, mute}, twoLine + muteLine, "E-Mail Site Check Incomplete: 1 of 3 sites could not be checked."},
        {{unused, unused, mute}, muteLine, "No E-Mail site could be checked."},
        {{empty, unused, mute}, muteLine, "E-Mail Site Check Incomplete: 1 of 2 sites could not be checked."},
        // An account with new mail and a failure gets both lines.
        {{unused, broken, unused},
         "Your E-Mail Box at POP.TWO.EXAMPLE has 1 unread message.\r\n"
         "Account 2 (pop.two.example) could not be checked: the server closed the connection.\r\n",
         "No E-Mail site could be checked."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(mailReport(c.accounts).toStdString(), c.report.toStdString());
        EXPECT_EQ(mailCheckStatusText(c.accounts).toStdString(), c.status.toStdString());
    }
}

TEST_F(MailCheckTest, AccountsNotInUseAreSkippedSilently)
{
    FakePop3Server server;
    ASSERT_TRUE(server.listen());
    server.addMailbox("lee", "pw", {"m1"});
    // Account 1 was never stored; account 2's host was typed as "Blank";
    // account 3 lacks its password.
    Form2& options = form2();
    options.Option2[1]->setChecked(true);
    options.Text3[0]->setText("Blank");
    options.Text3[1]->setText("lee");
    options.Text3[2]->setText("pw");
    options.Command5_Click();
    ASSERT_EQ(GetSetting("EMail", "Site2", "?"), "Blank");
    storeAccount(3, server.host(), "lee", "pw");
    DeleteSettings("EMail", {"Pass3"});

    EXPECT_EQ(checkNow(), kNoAccount + "\r\nSet one up in Corvane Options, on the Internet tab.");
    EXPECT_EQ(server.connectionCount(), 0);
    EXPECT_EQ(form1().panelText(1), kNoAccount);
    EXPECT_EQ(weather().GotMail, 0);
    EXPECT_EQ(weather().PlayMailSound, 0);
    EXPECT_TRUE(played.isEmpty());
}

TEST_F(MailCheckTest, NewMessagesAreCountedOnceAndReportedInSingularOrPlural)
{
    FakePop3Server first, second;
    ASSERT_TRUE(first.listen());
    ASSERT_TRUE(second.listen());
    first.addMailbox("lee", "pw", {"a1"});
    second.addMailbox("kim", "pw2", {"b1", "b2", "b3"});
    const QString firstSite = QString("localhost:%1").arg(first.port());
    storeAccount(1, firstSite, "lee", "pw");
    storeAccount(2, second.host(), "kim", "pw2");

    EXPECT_EQ(checkNow(), line(firstSite.toUpper(), "1 unread message.") + line(second.host(), "3 unread messages."));
    EXPECT_EQ(played, QStringList{path("Sounds/Chime.wav")}); // the tick took the sound before the check ended
    EXPECT_EQ(weather().PlayMailSound, 0);
    EXPECT_NE(weather().GotMail, 0);

    // Nothing new has come: nothing to report, no second sound.
    EXPECT_EQ(checkNow(), kNoMail);
    EXPECT_EQ(program().MailState[1].Unread, 0);
    EXPECT_EQ(played.size(), 1);

    second.deliver("kim", "b4");
    EXPECT_EQ(checkNow(), line(second.host(), "1 unread message."));
    EXPECT_EQ(played.size(), 2);
    EXPECT_EQ(second.commands().count("QUIT"), 3);
}

TEST_F(MailCheckTest, TheMailPicturesNameTheSitesWithMailInAccountOrder)
{
    FakePop3Server one, two, three;
    for (FakePop3Server* server : {&one, &two, &three})
        ASSERT_TRUE(server->listen());
    one.addMailbox("lee", "pw", {"x"});
    two.addMailbox("lee", "pw");
    three.addMailbox("lee", "pw", {"y", "z"});
    storeAccount(1, one.host(), "lee", "pw");
    storeAccount(2, two.host(), "lee", "pw");
    storeAccount(3, three.host(), "lee", "pw");

    Check_Mail();
    const QString tip = "You have mail at  - " + one.host() + " - " + three.host();
    EXPECT_EQ(weather().Image1[2]->toolTip(), tip);
    EXPECT_EQ(wethWind().Image1[22]->toolTip(), tip);
    EXPECT_EQ(program().MailState[1].Site, two.host()); // visited, nothing new
    EXPECT_EQ(program().MailState[1].Unread, 0);
}

TEST_F(MailCheckTest, StatusTextsNumberTheAccountWithALeadingBlank)
{
    FakePop3Server server;
    ASSERT_TRUE(server.listen());
    server.addMailbox("lee", "pw");
    storeAccount(2, server.host(), "lee", "pw");
    QStringList seen;
    server.onCommand([&seen](const QByteArray&) { seen << form1().panelText(1); });

    Check_Mail();
    ASSERT_EQ(seen.size(), 5); // CAPA, USER, PASS, STAT, QUIT
    EXPECT_EQ(seen.first(), "Corvane Contacting E-Mail Site # 2");
    EXPECT_EQ(seen.last(), "Corvane Checking E-Mail at Site # 2");
    EXPECT_EQ(form1().panelText(1), "E-Mail Site Check Completed.");
    EXPECT_EQ(weather().GotMail, 0); // an empty mailbox raises no flags
}

TEST_F(MailCheckTest, EqualIdentifiersInTwoMailboxesAreTwoNewMessages)
{
    // A message identifier is unique only within its own mailbox.
    FakePop3Server server;
    ASSERT_TRUE(server.listen());
    server.addMailbox("lee", "pw", {"1"});
    server.addMailbox("kim", "pw", {"1"});
    storeAccount(1, server.host(), "lee", "pw");
    storeAccount(3, server.host(), "kim", "pw");

    EXPECT_EQ(checkNow(), line(server.host(), "1 unread message.") + line(server.host(), "1 unread message."));
    EXPECT_EQ(checkNow(), kNoMail);
}

TEST_F(MailCheckTest, UnavailableMailboxesAreSkippedAndAFailureMidwayEndsTheCheck)
{
    FakePop3Server refusing, mute, good, dropping, later;
    for (FakePop3Server* server : {&refusing, &mute, &good, &dropping, &later})
        ASSERT_TRUE(server->listen());
    refusing.addMailbox("lee", "other password", {"r1"});
    mute.stayMute();
    good.addMailbox("lee", "pw", {"g1", "g2"});
    program().InetTimeout = 3; // each of the good mailbox's steps is far quicker, even on a busy machine

    // A refused log-in and a server that never answers are not available;
    // the check goes on and ends within the time-out.
    storeAccount(1, refusing.host(), "lee", "pw");
    storeAccount(2, mute.host(), "lee", "pw");
    storeAccount(3, good.host(), "lee", "pw");
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(checkNow(), "Account 1 (" + refusing.host() + ") could not be checked: the server refused the log-in.\r\n"
                              + "Account 2 (" + mute.host() + ") could not be checked: no answer from the server.\r\n"
                              + line(good.host(), "2 unread messages."));
    EXPECT_LT(clock.elapsed(), 30000); // the set seconds, not the default minute
    EXPECT_EQ(form1().panelText(1), "E-Mail Site Check Incomplete: 2 of 3 sites could not be checked.");

    // A connection dropped while the list comes ends the check there:
    // nothing of that mailbox is counted, no flags are raised.
    weather().GotMail = 0;
    dropping.addMailbox("lee", "pw", {"d1", "d2", "d3"});
    dropping.dropAt("UIDL");
    later.addMailbox("lee", "pw", {"l1"});
    storeAccount(1, dropping.host(), "lee", "pw");
    storeAccount(2, later.host(), "lee", "pw");
    DeleteSettings("EMail", {"Site3"});
    EXPECT_EQ(checkNow(), "Account 1 (" + dropping.host()
                              + ") could not be checked: the server closed the connection.\r\n" + "Account 2 ("
                              + later.host() + ") could not be checked: the check stopped at an earlier account.\r\n");
    EXPECT_EQ(form1().panelText(1), "No E-Mail site could be checked.");
    EXPECT_EQ(later.connectionCount(), 0);
    EXPECT_EQ(weather().GotMail, 0);
    EXPECT_THROW(Check_Mail(), Pop3Error);
}

TEST_F(MailCheckTest, MailboxesThatCannotBeReadAreNeverReportedAsChecked)
{
    FakePop3Server silent;
    ASSERT_TRUE(silent.listen());
    silent.stayMute(); // accepts, never greets
    const QString refused = QString("127.0.0.1:%1").arg(LocalHttpServer::refusedPort());
    storeAccount(1, refused, "lee", "pw");
    storeAccount(3, silent.host(), "lee", "pw");
    program().InetTimeout = 3; // a refused connection is told far sooner, even on a busy machine

    // The update's own check shows no box, and its status text claims nothing.
    Check_Mail();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form1().panelText(1), "No E-Mail site could be checked.");
    EXPECT_EQ(weather().GotMail, 0);

    // What "Now" would report of it.
    EXPECT_EQ(mailReport(program().MailState),
              "Account 1 (" + refused + ") could not be checked: the server could not be reached.\r\n" + "Account 3 ("
                  + silent.host() + ") could not be checked: no answer from the server.\r\n");
}

TEST_F(MailCheckTest, ACheckAskedForDuringAnotherIsServedByTheOneUnderWay)
{
    FakePop3Server first, second;
    ASSERT_TRUE(first.listen());
    ASSERT_TRUE(second.listen());
    first.addMailbox("lee", "pw", {"a1"});
    second.addMailbox("kim", "pw2", {"b1"});
    storeAccount(1, first.host(), "lee", "pw");
    storeAccount(2, second.host(), "kim", "pw2");
    const QString bothSites = line(first.host(), "1 unread message.") + line(second.host(), "1 unread message.");

    // "Now" while the update's check waits for the second mailbox: the
    // report comes once that check ends, and tells all it found.
    bool asked = false;
    qsizetype reportsMeanwhile = -1;
    second.onCommand([&](const QByteArray& command) {
        if (command == "STAT" && !std::exchange(asked, true)) {
            form1().CkMail_Click(1);
            reportsMeanwhile = messages.size();
        }
    });
    messages.clear();
    Check_Mail();
    EXPECT_EQ(reportsMeanwhile, 0);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, bothSites);
    EXPECT_EQ(weather().Image1[2]->toolTip(), "You have mail at  - " + first.host() + " - " + second.host());

    // The update's check while "Now" waits: the one report tells all.
    first.deliver("lee", "a2");
    second.deliver("kim", "b2");
    asked = false;
    second.onCommand([&](const QByteArray& command) {
        if (command == "STAT" && !std::exchange(asked, true))
            Check_Mail();
    });
    EXPECT_EQ(checkNow(), bothSites);
    EXPECT_EQ(weather().Image1[2]->toolTip(), "You have mail at  - " + first.host() + " - " + second.host());
}

// An update run while "Now" waits for a slow mailbox (its timer or Refresh
// came in that wait) does not take the check under way for a failed one: its
// closing text says nothing of mail, and the check reports when it ends.
TEST_F(MailCheckTest, AnUpdateDuringAMailCheckLeavesTheMailToThatCheck)
{
    const struct { const char* heldAt; int slowAccount; QByteArray command; } cases[] = {
        {"the log-in", 0, "STAT"}, {"the message list", 0, "UIDL"}, {"the second mailbox", 1, "STAT"}};
    Form1& main = form1();
    main.IgnoreUV->setChecked(true);
    main.CkMail[0]->setChecked(true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.heldAt);
        FakePop3Server servers[2];
        for (FakePop3Server& server : servers) {
            ASSERT_TRUE(server.listen());
            server.addMailbox("lee", "pw", {"m1"});
        }
        storeAccount(1, servers[0].host(), "lee", "pw");
        storeAccount(2, servers[1].host(), "lee", "pw");
        std::optional<QString> closingText;
        servers[c.slowAccount].onCommand([&](const QByteArray& command) {
            if (command == c.command && !closingText) {
                main.RNow_Click();
                closingText = main.panelText(1);
            }
        });
        EXPECT_EQ(checkNow(), line(servers[0].host(), "1 unread message.") + line(servers[1].host(), "1 unread message."));
        EXPECT_EQ(closingText.value_or("(no update ran)").toStdString(), "Ready.....");
        EXPECT_EQ(main.panelText(1), "E-Mail Site Check Completed.");
    }
}

// New mail counted before a later mailbox dropped the connection: the
// update's check told nobody of it, so the next good check announces it; the
// report of "Now" told it, so it is not counted again.
TEST_F(MailCheckTest, MailCountedBeforeAMailboxFailedIsToldOnce)
{
    const struct { const char* firstCheck; bool reported; } cases[] = {{"the update's", false}, {"Now", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.firstCheck);
        FakePop3Server good, dropping;
        ASSERT_TRUE(good.listen());
        ASSERT_TRUE(dropping.listen());
        good.addMailbox("lee", "pw", {"g1"});
        dropping.addMailbox("lee", "pw", {"d1"});
        dropping.dropAt("UIDL");
        storeAccount(1, good.host(), "lee", "pw");
        storeAccount(2, dropping.host(), "lee", "pw");
        weather().GotMail = 0;
        if (c.reported)
            EXPECT_TRUE(checkNow().startsWith(line(good.host(), "1 unread message.")));
        else
            EXPECT_THROW(Check_Mail(), Pop3Error);
        EXPECT_EQ(weather().GotMail, 0);

        dropping.stopDropping();
        Check_Mail();
        EXPECT_EQ(program().MailState[0].Unread, c.reported ? 0 : 1);
        EXPECT_EQ(program().MailState[1].Unread, 1);
        EXPECT_NE(weather().GotMail, 0);
        EXPECT_EQ(weather().Image1[2]->toolTip(),
                  "You have mail at " + (c.reported ? "" : " - " + good.host()) + " - " + dropping.host());
    }
}

// A large mailbox is read from one list and counted at once; one whose
// count no list could hold is told as too large, never as checked.
TEST_F(MailCheckTest, ALargeMailboxIsCheckedAtOnceAndAnEndlessOneIsToldTooLarge)
{
    FakePop3Server large, endless;
    ASSERT_TRUE(large.listen());
    ASSERT_TRUE(endless.listen());
    large.addMailbox("lee", "pw", FakePop3Server::numberedIds(50'000));
    endless.addMailbox("lee", "pw", {"e1"});
    endless.answer("STAT", "+OK 2000000000 0\r\n");
    storeAccount(1, large.host(), "lee", "pw");
    storeAccount(2, endless.host(), "lee", "pw");
    const QString tooLarge =
        "Account 2 (" + endless.host() + ") could not be checked: the mailbox is too large to check.\r\n";

    const qint64 started = threadCpuMilliseconds();
    EXPECT_EQ(checkNow(), line(large.host(), "50000 unread messages.") + tooLarge);
    EXPECT_EQ(checkNow(), tooLarge);
    EXPECT_LT(threadCpuMilliseconds() - started, 2000);
    EXPECT_EQ(large.commands().count("UIDL"), 2); // one list a check,
    EXPECT_EQ(large.commands().size(), 12);       // no message asked for alone
    EXPECT_FALSE(endless.commands().contains("UIDL"));
    EXPECT_EQ(form1().panelText(1), "E-Mail Site Check Incomplete: 1 of 2 sites could not be checked.");
}

TEST_F(MailCheckTest, TheWaitForTheCompactWindowsTickEndsEvenWhenTheTimerIsStopped)
{
    FakePop3Server server;
    ASSERT_TRUE(server.listen());
    server.addMailbox("lee", "pw", {"m1"});
    storeAccount(1, server.host(), "lee", "pw");
    weather().Timer2->stop();

    QElapsedTimer clock;
    clock.start();
    Check_Mail();
    EXPECT_GE(clock.elapsed(), kMailSoundWaitSeconds * 1000);
    EXPECT_LT(clock.elapsed(), kMailSoundWaitSeconds * 1000 + 20000); // the wait has its end
    // The sound stays due for the tick's next run.
    EXPECT_NE(weather().PlayMailSound, 0);
    EXPECT_NE(weather().GotMail, 0);
    EXPECT_TRUE(played.isEmpty());
    weather().Timer2_Timer();
    EXPECT_EQ(played, QStringList{path("Sounds/Chime.wav")});
}

TEST_F(MailCheckTest, TheMenuTogglesTheAutomaticCheckAndTheUpdateChecksOnlyWhenItIsOn)
{
    FakePop3Server server;
    ASSERT_TRUE(server.listen());
    server.addMailbox("lee", "pw", {"m1"});
    storeAccount(1, server.host(), "lee", "pw");
    Form1& main = form1();
    main.IgnoreUV->setChecked(true);
    ASSERT_FALSE(main.CkMail[0]->isChecked());

    main.RNow_Click();
    EXPECT_EQ(server.connectionCount(), 0);

    main.CkMail[0]->trigger(); // the menu item: one toggle, not two
    EXPECT_TRUE(main.CkMail[0]->isChecked());
    main.RNow_Click();
    EXPECT_EQ(server.connectionCount(), 1);
    EXPECT_NE(weather().GotMail, 0);
    EXPECT_EQ(main.panelText(1), "Ready.....");

    // A mailbox failing midway is said behind the update's closing text,
    // not taken for a station's site.
    server.deliver("lee", "m2");
    server.dropAt("UIDL");
    QStringList shown;
    QTimer sampler;
    QObject::connect(&sampler, &QTimer::timeout, [&] { shown << main.panelText(1); });
    sampler.start(0);
    main.RNow_Click();
    sampler.stop();
    EXPECT_FALSE(shown.contains("Site is currently UnAvailable, Waiting to check next site."));
    EXPECT_EQ(main.panelText(1), "Ready..... No E-Mail site could be checked.");

    main.CkMail_Click(0);
    EXPECT_FALSE(main.CkMail[0]->isChecked());
}

namespace {

// The program closed while a check waits: for a mailbox's answer that never
// comes (the command held), or for the compact window's tick to take the
// mail sound (no command held).
struct ClosedDuringCheck {
    const char* name;
    QByteArray held;
    int visited; // accounts
};

void PrintTo(const ClosedDuringCheck& c, std::ostream* out) { *out << c.name; }

const ClosedDuringCheck kClosedDuringChecks[] = {
    {"TheLogIn", "STAT", 1},
    {"TheMessageList", "UIDL", 1},
    {"TheMailSound", "", 3},
};

class MailCheckClosingTest : public MailCheckTest, public ::testing::WithParamInterface<ClosedDuringCheck> {};

} // namespace

// The wait ends at once, though each step may take a minute: no later
// account is visited, and the report asked for is not shown.
TEST_P(MailCheckClosingTest, TheWaitEndsAtOnceAndNothingMoreIsDone)
{
    const ClosedDuringCheck& c = GetParam();
    FakePop3Server server;
    ASSERT_TRUE(server.listen());
    server.addMailbox("lee", "pw", {"a1", "a2"});
    server.addMailbox("kim", "pw");
    server.addMailbox("sam", "pw");
    if (!c.held.isEmpty())
        server.answer(c.held, "");
    storeAccount(1, server.host(), "lee", "pw");
    storeAccount(2, server.host(), "kim", "pw");
    storeAccount(3, server.host(), "sam", "pw");
    program().InetTimeout = 60;
    weather().Timer2->stop(); // only the close can end the wait for the sound

    // Timed from the end of the close, which comes at the wait's first pass:
    // the shut-down's own work, slow on a busy machine, is no part of how
    // soon the wait ends. A wait for the sound that ran on would end nearly
    // the whole of that wait later; half of it is the bound.
    QElapsedTimer sinceClosed;
    bool closed = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        const bool waiting = c.held.isEmpty() ? weather().PlayMailSound != 0 : server.commands().contains(c.held);
        if (waiting && !std::exchange(closed, true)) {
            form1().close();
            sinceClosed.start();
        }
    });
    closer.start(0);
    messages.clear();
    form1().CkMail_Click(1);

    ASSERT_TRUE(closed) << "the check never waited there";
    EXPECT_LT(sinceClosed.elapsed(), kMailSoundWaitSeconds * 1000 / 2);
    EXPECT_EQ(server.connectionCount(), c.visited);
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(program().MailChecking);
}

INSTANTIATE_TEST_SUITE_P(ProgramClosedDuring, MailCheckClosingTest, ::testing::ValuesIn(kClosedDuringChecks),
                         [](const ::testing::TestParamInfo<ClosedDuringCheck>& info) { return info.param.name; });

// --- A real server ------------------------------------------------------------

TEST_F(MailCheckTest, ARealMailboxIsCheckedEndToEnd)
{
    const TrustedTestCertificate trusted; // the server offers TLS
    DovecotServer dovecot;
    dovecot.addUser("walker", "s3cret");
    dovecot.addUser("lee", "pa55");
    ASSERT_TRUE(dovecot.start()) << dovecot.error().toStdString();
    dovecot.deliver("walker", "first");
    dovecot.deliver("walker", "second");
    dovecot.deliver("lee", "hello");
    storeAccount(1, dovecot.pop3Host(), "walker", "s3cret");
    storeAccount(3, dovecot.pop3Host(), "lee", "pa55");

    const QString site = dovecot.pop3Host();
    EXPECT_EQ(checkNow(), line(site, "2 unread messages.") + line(site, "1 unread message."));
    EXPECT_EQ(weather().Image1[2]->toolTip(), "You have mail at  - " + site + " - " + site);
    EXPECT_EQ(checkNow(), kNoMail);
    dovecot.deliver("lee", "again");
    EXPECT_EQ(checkNow(), line(site, "1 unread message."));
}
