#include "platform/dialup.h"

#include "support/fake_nmcli.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>

TEST(DialUpLinks, TerseListingIsSplitAtUnescapedColons)
{
    const QList<ActiveLink> links = parseActiveLinks(
        "Wired connection 1:0a1b:802-3-ethernet:eth0\n"
        "ISP\\: night rate:77ff:gsm:cdc-wdm0\r\n"
        "\r"
        "back\\\\slash:99::\n");
    ASSERT_EQ(links.size(), 3);
    EXPECT_EQ(links[0].name, "Wired connection 1");
    EXPECT_EQ(links[0].uuid, "0a1b");
    EXPECT_EQ(links[0].type, "802-3-ethernet");
    EXPECT_EQ(links[0].device, "eth0");
    EXPECT_EQ(links[1].name, "ISP: night rate");
    EXPECT_EQ(links[1].type, "gsm");
    EXPECT_EQ(links[1].device, "cdc-wdm0");
    EXPECT_EQ(links[2].name, "back\\slash");
    EXPECT_EQ(links[2].type, "");
}

TEST(DialUpLinks, OnlyDialUpKindsCount)
{
    for (const char* kind : {"gsm", "cdma", "pppoe", "adsl", "ppp", "serial", " GSM "})
        EXPECT_TRUE(isDialUpKind(kind)) << kind;
    for (const char* kind : {"802-3-ethernet", "802-11-wireless", "vpn", "bridge", "loopback", ""})
        EXPECT_FALSE(isDialUpKind(kind)) << kind;
}

TEST(DialUpLinks, ActiveLinkStateComesFromTheListing)
{
    FakeNmcli nmcli;
    nmcli.setActive({"Wired connection 1:0a1b:802-3-ethernet:eth0"});
    EXPECT_FALSE(dialUpLinkActive());
    ASSERT_TRUE(nmcli.calls().size() >= 1);
    EXPECT_EQ(nmcli.calls().last(), "[-t][-f][NAME,UUID,TYPE,DEVICE][connection][show][--active]");

    // Answers close together come from one look. Only a quarter of a second
    // is close: on a busy machine two answers may lie further apart, and
    // then the second may look again.
    nmcli.setActive({"Wired connection 1:0a1b:802-3-ethernet:eth0", "Mobile:77ff:gsm:cdc-wdm0"});
    const qsizetype callsBefore = nmcli.calls().size();
    QElapsedTimer sinceTheLook;
    sinceTheLook.start(); // started before the look, so never shorter than what it measures
    EXPECT_TRUE(dialUpLinkActive());
    EXPECT_TRUE(dialUpLinkActive());
    const bool close = sinceTheLook.elapsed() < 250;
    EXPECT_GE(nmcli.calls().size(), callsBefore + 1);
    if (close) {
        EXPECT_EQ(nmcli.calls().size(), callsBefore + 1);
    }

    nmcli.failListing();
    EXPECT_FALSE(dialUpLinkActive());
    EXPECT_FALSE(activeLinks().has_value());
}

TEST(DialUpLinks, StartingAndEndingPassTheNamesAsSingleArguments)
{
    FakeNmcli nmcli;
    EXPECT_TRUE(startLink(QStringLiteral("Night Rate; rm -rf x")));
    EXPECT_TRUE(nmcli.waitForCall("[connection][up][id][Night Rate; rm -rf x]", 30.0));

    EXPECT_EQ(endLink({QStringLiteral("Mobile"), QStringLiteral("77ff"), QStringLiteral("gsm"), QString()}), 0);
    EXPECT_EQ(nmcli.calls().last(), "[connection][down][uuid][77ff]");
    nmcli.setDownExitCode(10);
    EXPECT_EQ(endLink({QStringLiteral("Mobile"), QString(), QStringLiteral("gsm"), QString()}), 10);
    EXPECT_EQ(nmcli.calls().last(), "[connection][down][id][Mobile]");
}

TEST(DialUpLinks, WithoutNmcliThereIsNoLinkAndNothingToStart)
{
    NoNmcli none;
    EXPECT_FALSE(nmcliAvailable());
    EXPECT_FALSE(dialUpLinkActive());
    EXPECT_FALSE(activeLinks().has_value());
    EXPECT_FALSE(startLink(QStringLiteral("Mobile")));
    EXPECT_EQ(endLink({QStringLiteral("Mobile"), QString(), QString(), QString()}), -1);
}
