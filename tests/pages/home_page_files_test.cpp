#include "pages/home_page_files.h"

#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "pages/text_viewer.h"
#include "pages/version_check.h"
#include "pages_test_support.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <functional>

class HomePageFilesTest : public PagesTest {
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        about().Label4->setText(server.url("/home"));
    }
};

TEST_F(HomePageFilesTest, NewsAndMeteorShowersComeFromTheHomePageFolder)
{
    const QDate today = QDate::currentDate();
    server.route("/home/news.txt", HttpReply::text("Radar maps are back.\r\n", "text/plain"));
    server.route("/home/" + meteorFileName(today).toLatin1(), HttpReply::text("Perseids: Aug 12", "text/plain"));

    LatestNews_Click();
    EXPECT_EQ(form4().windowTitle(), "Corvane News");
    EXPECT_EQ(form4().text(), "Radar maps are back.\r\n");
    EXPECT_EQ(form1().panelText(1), "News Recovery Completed");

    MoonCal_Click();
    EXPECT_EQ(form4().windowTitle(), "Meteor Showers For " + today.toString("yyyy"));
    EXPECT_EQ(form4().text(), "Perseids: Aug 12");
    EXPECT_EQ(form1().panelText(1), "Meteor Information Recovery Completed");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(meteorFileName(QDate(2000, 6, 1)), "meteor00.txt");
}

TEST_F(HomePageFilesTest, MissingFilesAreTold)
{
    server.route("/home/news.txt", HttpReply::text("<h1>File Not Found</h1>"));
    LatestNews_Click();
    about().Label4->setText(refusedRoot() + "/home");
    MoonCal_Click();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, "There is currently no breaking news.");
    EXPECT_EQ(messages[0].title, "Corvane News");
    EXPECT_EQ(messages[0].icon, MsgIcon::Information);
    EXPECT_EQ(messages[1].text, "There is a problem contacting the site.\r\nTry again later.");
    EXPECT_EQ(messages[1].title, "Corvane Meteor Showers");
    EXPECT_EQ(form1().panelText(1), "Meteor Information Recovery Failed");
    EXPECT_FALSE(form4Loaded());
}

// A server without the file answers with an error status and a page of its
// own, or with nothing or a web page under a success status: none is news, a
// meteor list or a version number, though an error page may start with
// digits as a version does.
TEST_F(HomePageFilesTest, AnErrorAnswerIsAMissingFile)
{
    const QString noVersion = "The site's version file holds no version number!\r\nYour version could not be verified.";
    const std::tuple<int, QByteArray, QString> answers[] = {
        {404, "<html><head><title>404 Not Found</title></head><body><h1>Not Found</h1></body></html>", ""},
        {404, "404 page not found\n", ""},
        {500, "500 Internal Server Error", ""},
        {503, "", ""},
        {200, " \r\n", noVersion},
        {200, "<!DOCTYPE html>\n<html><body>Welcome to our new site!</body></html>", noVersion},
    };
    for (const auto& [status, body, versionText] : answers) {
        HttpReply reply = HttpReply::text(body);
        reply.status = status;
        for (const QString& file : {QString("news.txt"), meteorFileName(QDate::currentDate()), QString("version.nfo")})
            server.route("/home/" + file.toLatin1(), reply);
        const std::pair<std::function<void()>, QStringList> commands[] = {
            {LatestNews_Click, {"There is currently no breaking news.", "News Recovery Failed"}},
            {MoonCal_Click, {"There is a problem contacting the site.\r\nTry again later.",
                             "Meteor Information Recovery Failed"}},
            {CVVersion_Click,
             {versionText.isEmpty() ? "Site could not be reached at this time!" : versionText, "Version Test Failed"}},
            {Auto_Version_Check, {"Version Test Failed"}}, // silent
        };
        for (const auto& [command, told] : commands) {
            messages.clear();
            command();
            const QStringList seen = messageTexts() << form1().panelText(1);
            EXPECT_EQ(seen.join(" | ").toStdString(), told.join(" | ").toStdString())
                << status << " " << body.toStdString();
        }
        EXPECT_FALSE(form4Loaded());
    }
}
