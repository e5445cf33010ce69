#include "mainwindow/transfer_state.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "platform/animated_picture.h"
#include "platform/inet_control.h"
#include "platform/twips.h"
#include "platform/waits.h"
#include "support/local_http_server.h"
#include "test_support.h"

#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <optional>

namespace {

const QString kContacting = QStringLiteral("Corvane Contacting Host Site ..... Please Wait");
const QString kConnected = QStringLiteral("Corvane Connected ..... Please Wait");
const QString kRecovering = QStringLiteral("Corvane Recovering DATA ..... Please Wait");
const QString kSuccessful = QStringLiteral("Corvane DATA Request Successful");
const QString kDisconnecting = QStringLiteral("Corvane Disconnecting..... Please Wait");
const QString kDisconnected = QStringLiteral("Corvane Disconnected From Site....");
const QString kUnavailable = QStringLiteral("Host Site is currently UnAvailable for Connection!");

class TransferStateTest : public SandboxTest {
protected:
    bool busyShown() { return !form1().Picture2->isHidden() && form1().Gif89a1->isPlaying(); }
};

} // namespace

TEST(TransferStateTexts, EveryStateHasItsText)
{
    const QStringList update{"",         kContacting,    kContacting,   kContacting, kConnected,
                             kRecovering, kRecovering,    kRecovering,   kSuccessful, kDisconnecting,
                             kDisconnected, kUnavailable, kSuccessful};
    for (int state = 0; state <= 12; ++state) {
        EXPECT_EQ(inet2StateText(state, 0, 200), update[state]) << state;
        if (state > 0) {
            EXPECT_EQ(inet1StateText(state, 0, 200), state == 4 ? kRecovering : update[state]) << state;
        }
    }
    EXPECT_FALSE(inet1StateText(0, 0, 0).has_value());
    EXPECT_EQ(inet2StateText(13, 0, 0), "Corvane ERROR Number: 0 occured.");
    EXPECT_EQ(inet2StateText(-1, 3, 0), "Corvane ERROR Number: 3 occured.");
    EXPECT_EQ(inet1StateText(40, 7, 0), "Corvane ERROR Number: 7 occured.");
}

TEST_F(TransferStateTest, StatusBarHasSixPanelsWithTheMailPanelHidden)
{
    Form1& form = form1();
    EXPECT_EQ(form.statusBar(), form.StatusBar1);
    for (int n = 1; n <= 6; ++n)
        ASSERT_NE(form.panel(n), nullptr) << n;
    EXPECT_EQ(form.panel(0), nullptr);
    EXPECT_EQ(form.panel(7), nullptr);
    EXPECT_TRUE(form.panel(6)->isHidden());
    EXPECT_FALSE(form.panel(1)->isHidden());
    form.setPanelText(3, QStringLiteral("10:15 AM"));
    form.setPanelText(7, QStringLiteral("nowhere"));
    EXPECT_EQ(form.panelText(3), "10:15 AM");
    EXPECT_EQ(form.panelText(7), "");
    EXPECT_TRUE(form.Picture2->isHidden());
}

TEST_F(TransferStateTest, UpdateControlWritesTextsOnlyAndKeepsAnErrorText)
{
    Form1& form = form1();
    form.Inet2_StateChanged(4);
    EXPECT_EQ(form.panelText(1), kConnected);
    EXPECT_FALSE(busyShown());
    form.Inet2_StateChanged(11);
    EXPECT_EQ(form.panelText(1), kUnavailable);
    DoEvents();
    EXPECT_EQ(form.panelText(1), kUnavailable);
    form.Inet2_StateChanged(0);
    EXPECT_EQ(form.panelText(1), "");
}

TEST_F(TransferStateTest, PictureControlShowsTheBusyIndicatorWhileReceiving)
{
    Form1& form = form1();
    form.setPanelText(1, QStringLiteral("Ready....."));
    form.Inet1_StateChanged(0);
    EXPECT_EQ(form.panelText(1), "Ready.....");

    form.Inet1_StateChanged(2);
    EXPECT_EQ(form.panelText(1), kContacting);
    EXPECT_FALSE(busyShown());

    form.Inet1_StateChanged(4);
    EXPECT_TRUE(busyShown());
    EXPECT_EQ(form.panelText(1), kRecovering);
    EXPECT_EQ(form.Picture2->y(), form.StatusBar1->geometry().top() + twipsToPixels(4));
    form.Inet1_StateChanged(7);
    EXPECT_TRUE(busyShown());

    form.Inet1_StateChanged(8);
    EXPECT_FALSE(busyShown());
    EXPECT_TRUE(form.Picture2->isHidden());
    EXPECT_EQ(form.panelText(1), kSuccessful);

    form.Inet1_StateChanged(5);
    form.Inet1_StateChanged(99);
    EXPECT_FALSE(busyShown());
    EXPECT_EQ(form.panelText(1), "Corvane ERROR Number: 0 occured.");
}

TEST_F(TransferStateTest, RealFetchesReportThroughTheirHandlers)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    server.route("/page", HttpReply::text("page"));
    Form1& form = form1();
    form.Inet1->setAccessType(InetControl::icDirect);
    form.Inet2->setAccessType(InetControl::icDirect);

    // Midway: once the reply is coming in, after the window's own handler.
    std::optional<bool> busyMidway;
    QString textMidway;
    QObject::connect(form.Inet1, &InetControl::StateChanged, &form, [&](int state) {
        if (state != InetControl::icReceivingResponse)
            return;
        busyMidway = busyShown();
        textMidway = form.panelText(1);
    });
    EXPECT_EQ(form.Inet1->OpenURL(server.url("/page")), "page");
    EXPECT_EQ(busyMidway, true);
    EXPECT_EQ(textMidway, kRecovering);
    EXPECT_FALSE(busyShown());
    EXPECT_EQ(form.panelText(1), kSuccessful);

    const QString refused = QStringLiteral("http://127.0.0.1:%1/").arg(LocalHttpServer::refusedPort());
    EXPECT_THROW(form.Inet2->OpenURL(refused), InetError);
    EXPECT_EQ(form.panelText(1), kUnavailable);
    EXPECT_FALSE(form.Inet2->StillExecuting());

    EXPECT_THROW(form.Inet1->OpenURL(refused), InetError);
    EXPECT_EQ(form.panelText(1), kUnavailable);
    EXPECT_FALSE(busyShown());
}

TEST_F(TransferStateTest, AnAnswerWithAnErrorStatusReadsAsAFailedRequestButItsPageStillComes)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    Form1& form = form1();
    form.Inet1->setAccessType(InetControl::icDirect);
    form.Inet2->setAccessType(InetControl::icDirect);
    const struct { int status; QString panel; } cases[] = {
        {404, "Corvane DATA Request Failed (HTTP 404)"},
        {429, "Corvane DATA Request Failed (HTTP 429)"},
        {500, "Corvane DATA Request Failed (HTTP 500)"},
        {200, kSuccessful}, // after a failed one
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        HttpReply reply = HttpReply::text("page " + QByteArray::number(c.status));
        reply.status = c.status;
        const QByteArray path = "/status/" + QByteArray::number(c.status);
        server.route(path, reply);
        for (InetControl* control : {form.Inet1, form.Inet2}) {
            form.setPanelText(1, QString());
            EXPECT_EQ(control->OpenURL(server.url(path)), QString::fromLatin1(reply.body));
            EXPECT_EQ(form.panelText(1), c.panel);
        }
        EXPECT_FALSE(busyShown());
    }
}

TEST_F(TransferStateTest, DisconnectedOrErrorStateCancelsARunningRequest)
{
    LocalHttpServer server;
    ASSERT_TRUE(server.listen());
    server.route("/slow", HttpReply::text("late").after(2000));
    Form1& form = form1();
    form.Inet1->setAccessType(InetControl::icDirect);
    form.Inet2->setAccessType(InetControl::icDirect);

    QTimer::singleShot(100, [&] { form.Inet1_StateChanged(10); });
    try {
        form.Inet1->OpenURL(server.url("/slow"));
        ADD_FAILURE() << "the request was not cancelled";
    } catch (const InetError& error) {
        EXPECT_EQ(error.kind(), InetErrorKind::Cancelled);
    }
    EXPECT_FALSE(busyShown());

    QTimer::singleShot(100, [&] { form.Inet2_StateChanged(11); });
    try {
        form.Inet2->OpenURL(server.url("/slow"));
        ADD_FAILURE() << "the request was not cancelled";
    } catch (const InetError& error) {
        EXPECT_EQ(error.kind(), InetErrorKind::Cancelled);
    }
    EXPECT_FALSE(form.Inet2->StillExecuting());
}
