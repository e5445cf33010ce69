#include "settings/connection.h"

#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "settings/program_state.h"
#include "support/fake_nmcli.h"
#include "test_support.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTimer>

namespace {

class DialUpTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", "https://roundup.example/tx/rwr.txt",
                                         "WACO", "", "[END]"});
    }
};

} // namespace

TEST_F(DialUpTest, ConnectedOnlyWhileADialUpKindOfLinkIsActive)
{
    FakeNmcli nmcli;
    nmcli.setActive({});
    EXPECT_FALSE(Is_Connected());
    nmcli.setActive({"Wired connection 1:0a1b:802-3-ethernet:eth0", "Office VPN:0c0d:vpn:"});
    EXPECT_FALSE(Is_Connected());
    nmcli.setActive({"Wired connection 1:0a1b:802-3-ethernet:eth0", "DSL:5e5e:pppoe:ppp0"});
    EXPECT_TRUE(Is_Connected());
    nmcli.failListing();
    EXPECT_FALSE(Is_Connected());
}

TEST_F(DialUpTest, DialStartsTheEntryAndPausesLettingEventsRun)
{
    FakeNmcli nmcli;
    bool timerRan = false;
    QTimer::singleShot(50, [&] { timerRan = true; });
    QElapsedTimer clock;
    clock.start();

    EXPECT_TRUE(dialEntry(QStringLiteral(" Night Rate "), 0.4));
    EXPECT_GE(clock.elapsed(), 400);
    EXPECT_LT(clock.elapsed(), 20000); // the pause, not a wait for ever
    EXPECT_TRUE(timerRan);
    EXPECT_TRUE(nmcli.waitForCall("[connection][up][id][Night Rate]", 30.0));
    EXPECT_EQ(program().RasEntryName, "Night Rate");
}

TEST_F(DialUpTest, DialTakesItsPauseFromTheOptionsDialog)
{
    FakeNmcli nmcli;
    form2().Text6->setText(QStringLiteral("0.3 seconds"));
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(Dial(QStringLiteral("Mobile")));
    EXPECT_GE(clock.elapsed(), 300);

    // A pause without digits (no pause at all) still dials.
    form2().Text6->setText(QStringLiteral("soon"));
    EXPECT_TRUE(Dial(QStringLiteral("Mobile")));
    EXPECT_TRUE(nmcli.waitForCall("[connection][up][id][Mobile]", 30.0));
}

TEST_F(DialUpTest, HangUpEndsOnlyTheLinkTheProgramDialled)
{
    FakeNmcli nmcli;
    nmcli.setActive({"Wired connection 1:0a1b:802-3-ethernet:eth0", "Mobile:77ff:gsm:cdc-wdm0",
                     "Other ISP:88aa:pppoe:ppp1", ":99bb:gsm:ppp2"});

    // Nothing dialled yet: nothing of the program's own, not even a blank name.
    EXPECT_FALSE(Hang_Up());

    EXPECT_TRUE(dialEntry(QStringLiteral("Mobile "), 0));
    EXPECT_TRUE(Hang_Up());
    QStringList downs = nmcli.calls().filter("[down]");
    EXPECT_EQ(downs, QStringList{"[connection][down][uuid][77ff]"});
    EXPECT_EQ(program().RasResult, 0);

    // A hang-up that nmcli refuses is no success.
    nmcli.setDownExitCode(4);
    EXPECT_FALSE(Hang_Up());
    EXPECT_EQ(program().RasResult, 4);

    // Not among the active links, or no listing at all: nothing ended.
    nmcli.setDownExitCode(0);
    EXPECT_TRUE(dialEntry(QStringLiteral("Gone"), 0));
    EXPECT_FALSE(Hang_Up());
    nmcli.failListing();
    EXPECT_TRUE(dialEntry(QStringLiteral("Mobile"), 0));
    EXPECT_FALSE(Hang_Up());
}

TEST_F(DialUpTest, WithoutNmcliNothingHappens)
{
    NoNmcli none;
    EXPECT_FALSE(Is_Connected());
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(dialEntry(QStringLiteral("Mobile"), 60));
    EXPECT_LT(clock.elapsed(), 30000); // no link was started, so there is nothing to wait for
    EXPECT_FALSE(Hang_Up());
}
