#include "update/uv_and_warning_checks.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "platform/color_values.h"
#include "settings/program_state.h"
#include "support/fetch_log.h"
#include "support/local_http_server.h"
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
    }
    LocalHttpServer server;
};

} // namespace

TEST_F(UvAndWarningChecks, BulletinValuesReachTheStationRows)
{
    server.route("/uv.txt", HttpReply::text(QByteArray("UV INDEX\n") + QByteArray("DALLAS").leftJustified(26, ' ')
                                            + "  9\n" + QByteArray("HONOLULU").leftJustified(26, ' ') + "11 \n",
                                            "text/plain"));
    Get_UV_Index(server.url("/uv.txt"));
    form1().Label2[0]->setText("DALLAS/FT WORTH");
    Show_Slot_UV(0);
    EXPECT_EQ(form1().Label10[0]->text(), "9");
    form1().Label2[1]->setText("ABILENE");
    Show_Slot_UV(1);
    EXPECT_EQ(form1().Label10[1]->text(), "NR");

    Get_UV_Index(server.url("/missing")); // a failed or empty bulletin: nothing is known
    EXPECT_EQ(program().UVValues[17], "NA");
}

TEST_F(UvAndWarningChecks, OneWarningsFetchServesEqualSlotsAndNamesRaiseAlerts)
{
    server.route("/tx/allwarnings.html",
                 HttpReply::text("<pre>SEVERE THUNDERSTORM WARNING FOR TARRANT COUNTY, FORT WORTH</pre>"));
    ProgramState& state = program();
    state.SlotURL[0] = state.SlotURL[1] = server.url("/tx/roundup.txt");
    form1().Label2[0]->setText("FORT WORTH");
    form1().Label2[1]->setText("AUSTIN");
    state.CurrentSlot = 1;
    const FetchLog fetches(*form1().Inet2, server);
    Check_Warnings(0, 0);
    Check_Warnings(1, 0);
    EXPECT_EQ(fetches.targets(), QList<QByteArray>{"/tx/allwarnings.html"});
    EXPECT_TRUE(state.WarnFlag[0]);
    EXPECT_TRUE(state.WarnSound[0]);
    EXPECT_FALSE(state.WarnFlag[1]);
    EXPECT_EQ(backColor(form1().S_Warning[1]), kRed);
    EXPECT_EQ(backColor(weather().Label1[0]), kRed); // the current station's lamp in the compact window

    // A Hawaii-list station fetches nothing and never alerts.
    state.SlotURL[2] = server.url("/hi/list.txt");
    form1().Label2[2]->setText("FORT WORTH");
    setBackColor(form1().S_Warning[2], kButtonFaceColor);
    Check_Warnings(2, 1);
    EXPECT_FALSE(state.WarnFlag[2]);
    EXPECT_EQ(backColor(form1().S_Warning[2]), kButtonFaceColor);
    EXPECT_EQ(fetches.targets().size(), 1);
}

TEST_F(UvAndWarningChecks, QuietAndMissingPagesColourTheLamp)
{
    server.route("/me/allwarnings.html", HttpReply::text("All Warnings are not currently available"));
    program().SlotURL[0] = server.url("/me/roundup.txt");
    form1().Label2[0]->setText("PORTLAND");
    Check_Warnings(0, 0);
    EXPECT_EQ(backColor(form1().S_Warning[0]), kGreen);

    HttpReply missing = HttpReply::text("<html><h1>404 Not Found</h1></html>");
    missing.status = 404;
    server.setFallback(missing);
    program().SlotURL[0] = server.url("/nowhere/roundup.txt");
    Check_Warnings(0, 0);
    EXPECT_EQ(backColor(form1().S_Warning[0]), kButtonFaceColor);
}
