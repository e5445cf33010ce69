#include "update/uv_and_warning_checks.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "platform/color_values.h"
#include "platform/settings_store.h"
#include "settings/program_state.h"
#include "settings/version.h"
#include "support/fetch_log.h"
#include "support/local_http_server.h"
#include "support/cpu_clock.h"
#include "support/samples.h"
#include "test_support.h"

#include <QLabel>

namespace {

class UvAndWarningChecks : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
        ASSERT_TRUE(server.listen());
        SaveSetting("Sources", "alertsService", server.url(""));
    }
    // Slot i watches the place under a roundup address of the state code.
    void station(int i, const QString& place, const QString& stateCode)
    {
        program().SlotURL[i] = server.url("/product.php?site=NWS&issuedby=" + stateCode + "&product=RWR");
        form1().Label2[i]->setText(place);
    }
    LocalHttpServer server;
};

} // namespace

TEST_F(UvAndWarningChecks, BulletinValuesReachTheStationRowsOfTheirState)
{
    const QByteArray heading = "CITY               STATE  UVI";
    server.route("/uv.txt", HttpReply::text("UV INDEX\n" + heading + "\nCHARLESTON           SC     9\n"
                                            "CHARLESTON           WV     5\n"
                                            "BALTIMORE            MD     6\n", "text/plain"));
    Get_UV_Index(server.url("/uv.txt"));
    station(0, "BALTIMORE", "MD");
    Show_Slot_UV(0, "District of Columbia - BALTIMORE"); // filed under the District, in Maryland
    EXPECT_EQ(form1().Label10[0]->text(), "6");
    station(0, "CHARLESTON", "SC");
    Show_Slot_UV(0, "West Virginia - CHARLESTON");
    EXPECT_EQ(form1().Label10[0]->text(), "5");
    Show_Slot_UV(0, "My stations - CHARLESTON"); // a state of the user's own: the address's code
    EXPECT_EQ(form1().Label10[0]->text(), "9");

    Get_UV_Index(server.url("/missing")); // a failed or empty bulletin: nothing is known
    Show_Slot_UV(0, "South Carolina - CHARLESTON");
    EXPECT_EQ(form1().Label10[0]->text(), "NA");
}

TEST_F(UvAndWarningChecks, OneAlertsFetchPerStateRaisesTheNamedStationOnly)
{
    server.route("/alerts/active?area=TX",
                 HttpReply::text(R"({"features": [{"properties": {"event": "Tornado Warning",
                     "areaDesc": "Tarrant, TX", "description": "A tornado near Fort Worth."}}]})",
                                 "application/geo+json"));
    server.route("/alerts/active?area=ME",
                 HttpReply::text(sampleText("alerts-active-TX-2024-05-none.json").toUtf8(), "application/geo+json"));
    station(0, "FORT WORTH", "TX");
    station(1, "PORTLAND", "ME");
    station(2, "AUSTIN", "TX");
    ProgramState& state = program();
    state.CurrentSlot = 2;
    const FetchLog fetches(*form1().Inet2, server);
    Check_Warnings(0, 0, "Texas - FORT WORTH");
    Check_Warnings(1, 0, "Maine - PORTLAND");
    Check_Warnings(2, 0, "Texas - AUSTIN");

    EXPECT_EQ(fetches.targets(), (QList<QByteArray>{"/alerts/active?area=TX", "/alerts/active?area=ME"}));
    const HttpRequestRecord& request = server.requests().first();
    EXPECT_EQ(request.header("Accept"), "application/geo+json");
    EXPECT_EQ(request.header("User-Agent"), "Corvane/" + versionText().mid(8).toUtf8());
    const bool flags[3] = {true, false, false};
    const ColorValue lamps[3] = {kRed, kGreen, kRed};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(state.WarnFlag[i], flags[i]) << i;
        EXPECT_EQ(state.WarnSound[i], flags[i]) << i;
        EXPECT_EQ(backColor(form1().S_Warning[i]), lamps[i]) << i;
    }
    EXPECT_EQ(backColor(weather().Label1[0]), kRed); // the current station's lamp in the compact window
}

// An alert whose sender of 2 million words ("a a a ... b") the description
// nearly repeats before it names five places, with that sender naming them
// too or not: the five stations' checks end quickly (they took seconds each
// while such a sender was looked for in the description at every station),
// and each station is raised.
TEST_F(UvAndWarningChecks, AHugeSenderCostsNoStationItsTime)
{
    const char* const places[] = {"DALLAS", "HOUSTON", "AUSTIN", "EL PASO", "FORT WORTH"};
    const QByteArray named = "Dallas, Houston, Austin, El Paso and Fort Worth";
    const QByteArray words = QByteArray("a ").repeated(2'000'000);
    const struct {
        const char *state, *code;
        QByteArray sender;
    } cases[] = {{"Texas", "TX", words + "b"}, {"Oklahoma", "OK", named + " " + words + "b"}};
    for (const auto& c : cases) {
        server.route("/alerts/active?area=" + QByteArray(c.code),
                     HttpReply::text(R"({"features": [{"properties": {"areaDesc": "Rankin", "senderName": ")"
                                         + c.sender + R"(", "description": ")" + words + named + R"(."}}]})",
                                     "application/geo+json"));
        for (int i = 0; i < 5; ++i)
            station(i, places[i], c.code);
        clearWarningsCache();
        const qint64 started = threadCpuMilliseconds();
        for (int i = 0; i < 5; ++i)
            Check_Warnings(i, 0, QString(c.state) + " - " + places[i]);
        EXPECT_LT(threadCpuMilliseconds() - started, 3000) << c.state;
        for (int i = 0; i < 5; ++i)
            EXPECT_TRUE(program().WarnFlag[i]) << c.state << ' ' << places[i];
    }
}

TEST_F(UvAndWarningChecks, NoKnownStateNoConnectionAndTheHawaiiListGiveNoAlert)
{
    const QString refused = QStringLiteral("http://127.0.0.1:%1").arg(LocalHttpServer::refusedPort());
    struct Case {
        const char *name, *entry, *stateCode; // the code in the slot's address
        int kind;
        QString alertsService;
        ColorValue lampBefore, lamp;
        int fetches;
    } const cases[] = {
        {"no state known", "World - PARIS", "", 0, server.url(""), kRed, kButtonFaceColor, 0},
        {"no connection", "Texas - DALLAS", "TX", 0, refused, kRed, kButtonFaceColor, 1},
        {"the Hawaii list keeps its lamp", "Hawaii - HILO", "HI", 1, server.url(""), kGreen, kGreen, 0},
    };
    for (const Case& c : cases) {
        SaveSetting("Sources", "alertsService", c.alertsService);
        clearWarningsCache();
        station(0, "DALLAS", c.stateCode);
        setBackColor(form1().S_Warning[0], c.lampBefore);
        program().WarnFlag[0] = program().WarnSound[0] = true;
        const FetchLog fetches(*form1().Inet2, server);
        Check_Warnings(0, c.kind, c.entry);
        EXPECT_EQ(backColor(form1().S_Warning[0]), c.lamp) << c.name;
        EXPECT_FALSE(program().WarnFlag[0]) << c.name;
        EXPECT_FALSE(program().WarnSound[0]) << c.name;
        EXPECT_EQ(fetches.targets().size(), c.fetches) << c.name;
    }
}
