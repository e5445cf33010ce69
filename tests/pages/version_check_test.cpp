#include "pages/version_check.h"

#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/home_page_files.h"
#include "pages/text_viewer.h"
#include "platform/desktop.h"
#include "support/local_http_server.h"
#include "test_support.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <tuple>

TEST(VersionVerdict, ComparesTheAnnouncedVersionNumberByNumber)
{
    const struct {
        const char* reply;
        const char* local;
        VersionVerdict verdict;
    } cases[] = {
        {"1.7.7\r\n", "1.7.7", VersionVerdict::UpToDate},
        {"1.8.0\r\nnew radar maps", "1.7.7", VersionVerdict::OutOfDate},
        {"1.6.9", "1.7.7", VersionVerdict::UpToDate}, // an older site is no news
        {"2.0", "1.7.7", VersionVerdict::OutOfDate},
        {"2", "1.7.7", VersionVerdict::OutOfDate},
        {"1.7", "1.7.7", VersionVerdict::UpToDate},
        {"1.7.7.1", "1.7.7", VersionVerdict::OutOfDate},
        {"1.7.7.0", "1.7.7", VersionVerdict::UpToDate},
        {"1.10.0", "1.9.9", VersionVerdict::OutOfDate},
        {"1.9.10", "1.10", VersionVerdict::UpToDate},
        {" 01.07.08 ", "1.7.7", VersionVerdict::OutOfDate},
        {"1.7.7", "1.10.2", VersionVerdict::UpToDate},
        {"99999999999999999999.0", "1.7.7", VersionVerdict::OutOfDate},
        {"", "1.7.7", VersionVerdict::NoVersion},
        {" \r\n", "1.7.7", VersionVerdict::NoVersion},
        {"<html>Service Unavailable</html>", "1.7.7", VersionVerdict::NoVersion},
        {"Version 1.8.0", "1.7.7", VersionVerdict::NoVersion},
        {"ERROR", "1.7.7", VersionVerdict::Missing},
        {"<h1>File Not Found</h1>", "1.7.7", VersionVerdict::Missing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(versionVerdict(c.reply, c.local), c.verdict) << c.reply << " against " << c.local;
}

class VersionCheckTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        installShipped("States_Cities.cvd");
        ASSERT_TRUE(server.listen());
        about().Label4->setText(server.url("/home"));
        setDesktopSeam(DesktopSeam{[this](const QString& target) { opened << target; return true; }, {}});
    }
    void TearDown() override
    {
        clearDesktopSeam();
        SandboxTest::TearDown();
    }
    LocalHttpServer server;
    QStringList opened;
};

TEST_F(VersionCheckTest, TheMenuSaysWhatItFoundAndOffersTheHomePage)
{
    server.route("/home/version.nfo", HttpReply::text("1.7.7\r\n", "text/plain"));
    CVVersion_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "Your version is up-to-date!");
    EXPECT_EQ(messages[0].title, "Verify Version");
    EXPECT_EQ(form1().panelText(1), "Version Test Completed");

    server.route("/home/version.nfo", HttpReply::text("2.0", "text/plain"));
    answer = MsgResult::Yes;
    CVVersion_Click();
    EXPECT_EQ(messages.back().text,
              "Your version is out of date!\r\nThe latest version is: 2.0\r\nWould you like to jump to the\r\nCorvane Home page?");
    EXPECT_EQ(opened, QStringList{server.url("/home")});
}

TEST_F(VersionCheckTest, TheSilentCheckSpeaksOnlyWhenOutOfDate)
{
    about().Label4->setText(QStringLiteral("http://127.0.0.1:%1/home").arg(LocalHttpServer::refusedPort()));
    EXPECT_TRUE(Auto_Version_Check());
    EXPECT_TRUE(messages.empty());
    CVVersion_Click();
    EXPECT_EQ(messages.back().text, "Site could not be reached at this time!");
}

// Only the version number at the start of the file counts: what follows it
// is not read past the bound, nor shown.
TEST_F(VersionCheckTest, ALongReplyIsJudgedByTheVersionAtItsStart)
{
    const QByteArray notes = "\r\nWhat is new:\r\n" + QByteArray(1536, 'n') + "\r\n";
    const QString outOfDate = "Your version is out of date!\r\nThe latest version is: 1.8.0\r\n"
                              "Would you like to jump to the\r\nCorvane Home page?";
    const QString noVersion = "The site's version file holds no version number!\r\nYour version could not be verified.";
    const std::tuple<QByteArray, QString, const char*> cases[] = {
        {"1.8.0" + notes, outOfDate, "Version Test Completed"},
        {"1.7.7" + notes, "Your version is up-to-date!", "Version Test Completed"},
        {"1.8.0 " + QByteArray(32 * 1024 * 1024, 'n'), outOfDate, "Version Test Completed"},
        {QByteArray(32 * 1024 * 1024, '.'), noVersion, "Version Test Failed"},
    };
    for (const auto& [reply, says, panel] : cases) {
        server.route("/home/version.nfo", HttpReply::text(reply, "text/plain"));
        CVVersion_Click();
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.back().text, says) << reply.size() << " bytes";
        EXPECT_EQ(form1().panelText(1), panel) << reply.size() << " bytes";
    }
}

// The version file's bound holds for its own request: a page fetched after
// the check, answered or refused as too long, comes whole.
TEST_F(VersionCheckTest, PagesFetchedAfterTheCheckComeWhole)
{
    const QByteArray news(4 * kVersionFileBytes, 'n');
    server.route("/home/news.txt", HttpReply::text(news, "text/plain"));
    for (const QByteArray& version : {QByteArray("1.7.7"), QByteArray(2 * kVersionFileBytes, '.')}) {
        server.route("/home/version.nfo", HttpReply::text(version, "text/plain"));
        CVVersion_Click();
        LatestNews_Click();
        EXPECT_EQ(form4().text(), QString::fromLatin1(news)) << version.size() << " bytes of version file";
    }
}
