#include "pages/log_display.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/text_viewer.h"
#include "test_support.h"

#include <QLabel>
#include <QPlainTextEdit>

TEST(LogItems, SplitLikeSequentialInputAndStopAtTheCapacity)
{
    struct Case {
        const char* name;
        QString content;
        qsizetype capacity;
        QString text;
        bool complete;
    } cases[] = {
        {"short records: one a line", "|Texas - DALLAS|05-01-2024|SUNNY|\r\n|Texas - WACO|05-01-2024|FOG|\r\n", 100,
         "|Texas - DALLAS|05-01-2024|SUNNY|\r\n|Texas - WACO|05-01-2024|FOG|\r\n", true},
        {"a comma breaks a line, blanks around items go", "Remarks:  HAZE, SMOKE \r\nStation: * Ohio - X\n", 100,
         "Remarks:  HAZE\r\nSMOKE\r\nStation: * Ohio - X\r\n", true},
        {"quotes keep commas and go", "  \"A, B\" ,C\r\n\r\n", 100, "A, B\r\nC\r\n\r\n", true},
        {"stops before the item that does not fit", "0123456789\r\nabcdef\r\nmore\r\n", 20, "0123456789\r\nabcdef\r\n",
         false},
        {"an item that exactly fills it", "12\r\n", 4, "12\r\n", true},
    };
    for (const Case& c : cases) {
        const LogText log = logItemsText(c.content, c.capacity);
        EXPECT_EQ(log.text, c.text) << c.name;
        EXPECT_EQ(log.complete, c.complete) << c.name;
    }
    EXPECT_EQ(logCaption("NEW YORK_Log.txt"), "NEW YORK LOG");
    EXPECT_EQ(logCaption("CV_Log.txt"), "CV LOG");
}

class LogDisplayTest : public SandboxTest {
protected:
    void SetUp() override
    {
        SandboxTest::SetUp();
        form1().Label2[2]->setText("NEW YORK");
    }
};

TEST_F(LogDisplayTest, FindsTheLogWhateverTheCaseOfItsNameAndSaysWhenThereIsNone)
{
    Show_Log_File(2, 6);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "The Log File Doesn't Exist!");
    EXPECT_EQ(messages[0].title, "Corvane Log");
    EXPECT_EQ(messages[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(form4Loaded());

    writeFile("log/New York_log.TXT", "Station: New York, NY\r\n");
    writeFile("log/CV_Log.txt", "|Texas - DALLAS|SUNNY|\r\n");
    Show_Log_File(2, 6);
    EXPECT_EQ(form4().windowTitle(), "NEW YORK LOG");
    EXPECT_EQ(form4().text(), "Station: New York\r\nNY\r\n");

    Show_Log_File(-1, 7); // the shared log needs no station
    EXPECT_EQ(form4().windowTitle(), "CV LOG");
    EXPECT_EQ(form4().text(), "|Texas - DALLAS|SUNNY|\r\n");
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(LogDisplayTest, ALogTooBigForTheViewerShowsItsBeginning)
{
    QString content;
    for (int record = 0; content.size() < 3 * kLogViewerCapacity; ++record)
        content += QString("|Texas - DALLAS|%1|SUNNY|\r\n").arg(record, 6, 10, QChar('0'));
    writeFile("Log/NEW YORK_Log.txt", content);
    Show_Log_File(2, 6);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].title, "Log File Too Big, Corvane");
    EXPECT_EQ(messages[0].text, "This file is longer than 32K which is the upper limit\r\n"
                                "of a text file that Corvane can display.");
    EXPECT_EQ(messages[0].icon, MsgIcon::Stop);
    EXPECT_TRUE(form4().isVisible());
    const QString shown = form4().text();
    EXPECT_LE(shown.size(), kLogViewerCapacity);
    EXPECT_GT(shown.size(), kLogViewerCapacity - 40);
    EXPECT_TRUE(content.startsWith(shown));
}
