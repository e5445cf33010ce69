#include "settings/connection.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/inet_control.h"
#include "settings/program_state.h"
#include "support/local_http_server.h"
#include "test_support.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

namespace {

// A control whose proxy values are set, to see which ones Set_Inet leaves.
void preset(InetControl& inet)
{
    inet.setProxy(QStringLiteral("old.proxy"));
    inet.setRemotePort(3128);
    inet.setUserName(QStringLiteral("old user"));
    inet.setPassword(QStringLiteral("old pass"));
    inet.setAccessType(InetControl::icNamedProxy);
}

} // namespace

TEST(ConnectionSetUp, DirectAndDefaultAccessLeaveTheProxyValuesAlone)
{
    InetControl inet;
    preset(inet);
    ConnectionSettings settings;
    settings.timeout = 45;
    settings.accessOption = 0;
    settings.proxyServer = QStringLiteral("new.proxy");
    settings.proxyPort = QStringLiteral("8080");
    applyConnectionSettings(inet, settings);
    EXPECT_EQ(inet.RequestTimeout(), 45);
    EXPECT_EQ(inet.AccessType(), InetControl::icDirect);
    EXPECT_EQ(inet.Proxy(), "old.proxy");
    EXPECT_EQ(inet.RemotePort(), 3128);
    EXPECT_EQ(inet.UserName(), "old user");

    settings.accessOption = 1;
    applyConnectionSettings(inet, settings);
    EXPECT_EQ(inet.AccessType(), InetControl::icUseDefault);
    EXPECT_EQ(inet.Proxy(), "old.proxy");
}

TEST(ConnectionSetUp, NamedProxySetsEverythingButEmptyCredentials)
{
    InetControl inet;
    preset(inet);
    ConnectionSettings settings;
    settings.accessOption = 2;
    settings.proxyServer = QStringLiteral("proxy.example");
    settings.proxyPort = QStringLiteral(" 8080 (office)");
    settings.proxyUser = QStringLiteral("ann");
    settings.proxyPassword = QStringLiteral("pw");
    applyConnectionSettings(inet, settings);
    EXPECT_EQ(inet.AccessType(), InetControl::icNamedProxy);
    EXPECT_EQ(inet.Proxy(), "proxy.example");
    EXPECT_EQ(inet.RemotePort(), 8080);
    EXPECT_EQ(inet.UserName(), "ann");
    EXPECT_EQ(inet.Password(), "pw");

    // Empty credentials are not given: the control keeps the last ones.
    settings.proxyUser.clear();
    settings.proxyPassword.clear();
    settings.proxyPort = QStringLiteral("none");
    applyConnectionSettings(inet, settings);
    EXPECT_EQ(inet.UserName(), "ann");
    EXPECT_EQ(inet.Password(), "pw");
    EXPECT_EQ(inet.RemotePort(), 0);

    settings.proxyPort = QStringLiteral("99999");
    applyConnectionSettings(inet, settings);
    EXPECT_EQ(inet.RemotePort(), 0);
}

namespace {

class ConnectionTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        writeLines("States_Cities.cvd", {"[US States/Cities]", "Texas", "https://roundup.example/tx/rwr.txt",
                                         "WACO", "", "[END]"});
        ASSERT_TRUE(server.listen());
    }

    LocalHttpServer server;
};

} // namespace

TEST_F(ConnectionTest, SetInetReadsTheOptionsDialogAndTheProxyCredentials)
{
    Form2& options = form2();
    program().InetTimeout = 25;
    program().ProxyUserName = QStringLiteral("ann");
    program().ProxyPwd = QStringLiteral("secret");
    options.Option1[2]->setChecked(true);
    options.Text1[0]->setText(QStringLiteral("127.0.0.1"));
    options.Text1[1]->setText(QString::number(server.port()));

    InetControl inet;
    Set_Inet(inet);
    EXPECT_EQ(inet.RequestTimeout(), 25);
    EXPECT_EQ(inet.AccessType(), InetControl::icNamedProxy);
    EXPECT_EQ(inet.Proxy(), "127.0.0.1");
    EXPECT_EQ(inet.RemotePort(), server.port());
    EXPECT_EQ(inet.UserName(), "ann");
    EXPECT_EQ(inet.Password(), "secret");

    // The request really goes through that proxy with those credentials.
    server.requireProxyCredentials("ann", "secret");
    server.route("/obs", HttpReply::text("via proxy"));
    EXPECT_EQ(inet.OpenURL(QStringLiteral("http://roundup.invalid/obs")), "via proxy");
    EXPECT_EQ(server.requests().last().header("Proxy-Authorization"),
              "Basic " + QByteArray("ann:secret").toBase64());

    // Back to normal access: direct, the proxy values stay as they were.
    options.Option1[0]->setChecked(true);
    options.Text1[0]->setText(QStringLiteral("elsewhere"));
    Set_Inet(inet);
    EXPECT_EQ(inet.AccessType(), InetControl::icDirect);
    EXPECT_EQ(inet.Proxy(), "127.0.0.1");
    options.Option1[1]->setChecked(true);
    Set_Inet(inet);
    EXPECT_EQ(inet.AccessType(), InetControl::icUseDefault);
}

TEST_F(ConnectionTest, DownloadWritesTheBytesWholeIntoTheDataFolder)
{
    QByteArray picture("GIF89a");
    picture.append('\0').append("\x01\xFF\r\n\x1A", 5).append(QByteArray(3000, '\x80'));
    server.route("/radar/loop.gif", HttpReply::bytes(picture, "image/gif"));
    server.route("/small.gif", HttpReply::bytes("tiny", "image/gif"));
    InetControl inet;
    inet.setAccessType(InetControl::icDirect);

    EXPECT_FALSE(QDir(dataFolder()).exists());
    ASSERT_EQ(downloadToDataFolder(inet, server.url("/radar/loop.gif"), QStringLiteral("loop.gif")), DownloadOutcome::Written);
    QFile written(path("data/loop.gif"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), picture);
    written.close();

    // A shorter picture under the same name leaves no tail of the longer one.
    ASSERT_EQ(downloadToDataFolder(inet, server.url("/small.gif"), QStringLiteral("loop.gif")), DownloadOutcome::Written);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "tiny");
}

TEST_F(ConnectionTest, FailedDownloadWritesNothingAndOddNamesAreRefused)
{
    server.route("/silent", HttpReply::of(HttpReply::Mode::NeverAnswer));
    server.route("/pic.gif", HttpReply::bytes("picture"));
    InetControl inet;
    inet.setAccessType(InetControl::icDirect);
    inet.setRequestTimeout(1);
    writeFile("data/old.gif", "previous");

    const QString refused = QStringLiteral("http://127.0.0.1:%1/x.gif").arg(LocalHttpServer::refusedPort());
    EXPECT_EQ(downloadToDataFolder(inet, refused, QStringLiteral("x.gif")), DownloadOutcome::NotFetched);
    EXPECT_EQ(downloadToDataFolder(inet, server.url("/silent"), QStringLiteral("old.gif")), DownloadOutcome::NotFetched);
    EXPECT_EQ(readFile("data/old.gif"), "previous");
    EXPECT_EQ(QDir(path("data")).entryList(QDir::Files), QStringList{"old.gif"});

    for (const QString& name : {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("../CRVN.ini"),
                                QStringLiteral("sub/pic.gif")})
        EXPECT_EQ(downloadToDataFolder(inet, server.url("/pic.gif"), name), DownloadOutcome::NotFetched) << name.toStdString();
    EXPECT_EQ(server.count("/pic.gif"), 0);
    EXPECT_FALSE(QFile::exists(path("CRVN.ini")));
}

TEST_F(ConnectionTest, GetFileUsesTheMainWindowsPictureControl)
{
    form2().Option1[0]->setChecked(true);
    server.route("/maps/sat.jpg", HttpReply::bytes("\xFF\xD8\xFF\xE0 jpeg", "image/jpeg"));

    Get_File(server.url("/maps/sat.jpg"), QStringLiteral("sat.jpg"));
    QFile written(path("data/sat.jpg"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), "\xFF\xD8\xFF\xE0 jpeg");
    EXPECT_EQ(form1().panelText(1), "Corvane DATA Request Successful");

    // A failure is quiet: no message, no file.
    Get_File(QStringLiteral("http://127.0.0.1:%1/x.jpg").arg(LocalHttpServer::refusedPort()),
             QStringLiteral("x.jpg"));
    EXPECT_FALSE(QFile::exists(path("data/x.jpg")));
    EXPECT_TRUE(messages.empty());
    EXPECT_FALSE(form1().Inet1->StillExecuting());
}

TEST(ByteString, EndsAtTheFirstZeroByteOrTheEnd)
{
    EXPECT_EQ(Byte_String(QByteArray("Night Rate\0\0garbage", 19)), "Night Rate");
    EXPECT_EQ(Byte_String(QByteArray("FullName")), "FullName");
    EXPECT_EQ(Byte_String(QByteArray("\0abc", 4)), "");
    EXPECT_EQ(Byte_String(QByteArray()), "");
    EXPECT_EQ(Byte_String(QByteArray("caf\xE9")), QString::fromUtf8("café"));
}
