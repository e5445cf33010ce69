#include "pages/text_viewer.h"

#include "mainwindow/forms.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>

TEST(TextFileName, AddsTxtUnlessTheNameEndsInIt)
{
    const std::pair<QString, QString> names[] = {
        {"notes", "notes.txt"},       {"notes.log", "notes.log.txt"}, {"Notes.TXT", "Notes.TXT"},
        {"a.TxT", "a.TxT"},           {"a.tx", "a.tx.txt"},           {".txt", ".txt.txt"},
        {"/tmp/x/report.txt", "/tmp/x/report.txt"},
    };
    for (const auto& [chosen, saved] : names)
        EXPECT_EQ(textFileName(chosen), saved) << chosen.toStdString();
}

class TextViewerTest : public SandboxTest {};

TEST_F(TextViewerTest, SavesTheWholeTextWithALineEndAndSaysWhenItCannot)
{
    form4().setText("line one\r\nline two");
    form4().mnuSave_Click(); // cancelled: nothing written, nothing said
    ASSERT_EQ(saveRequests.size(), 1u);
    EXPECT_EQ(saveRequests[0].filters, QStringList{"Text Files (*.txt)"});
    EXPECT_EQ(saveRequests[0].startPath, home());
    EXPECT_TRUE(messages.empty());

    writeFile("notes.txt", "old and longer content");
    saveAnswer = SaveFileChoice{path("notes"), "Text Files (*.txt)"};
    form4().mnuSave_Click();
    EXPECT_EQ(readFile("notes.txt"), "line one\r\nline two\r\n");
    EXPECT_TRUE(messages.empty());

    saveAnswer = SaveFileChoice{path("no such folder/notes.txt"), "Text Files (*.txt)"};
    form4().mnuSave_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("The text could not be saved as " + path("no such folder/notes.txt")));
}

// The dialog asks about the name it gives; ".txt" added after another
// extension makes a name that it did not ask about.
TEST_F(TextViewerTest, NeverReplacesAFileUnasked)
{
    struct Case {
        const char* typed;
        const char* existing;
        MsgResult answer;
        bool asked;
        const char* written; // the text of `existing` afterwards
    } const cases[] = {
        {"notes.log", "notes.log.txt", MsgResult::No, true, "old"},
        {"notes.log", "notes.log.txt", MsgResult::Yes, true, "new\r\n"},
        {"notes", "notes.txt", MsgResult::No, false, "new\r\n"}, // the dialog asked
        {"Notes.TXT", "Notes.TXT", MsgResult::No, false, "new\r\n"},
    };
    form4().setText("new");
    for (const Case& c : cases) {
        messages.clear();
        writeFile(c.existing, "old");
        saveAnswer = SaveFileChoice{path(c.typed), "Text Files (*.txt)"};
        answer = c.answer;
        form4().mnuSave_Click();
        EXPECT_EQ(readFile(c.existing), c.written) << c.typed;
        ASSERT_EQ(messages.size(), c.asked ? 1u : 0u) << c.typed;
        if (c.asked) {
            EXPECT_EQ(messages[0].text, QString(c.existing) + " already exists.\r\nDo you want to replace it?");
            EXPECT_EQ(messages[0].buttons, MsgButtons::YesNo);
            EXPECT_EQ(messages[0].defaultButton, MsgDefault::Second);
        }
    }
}

TEST_F(TextViewerTest, PrintsOnTheDefaultPrinterOrSaysThereIsNone)
{
    form4().setText("to paper");
    form4().mnuPrint_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "There is no printer to print on.");

    printFile = path("out.pdf");
    form4().mnuPrint_Click();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_GT(QFileInfo(printFile).size(), 0);

    form4().mnuExit_Click();
    EXPECT_FALSE(form4Loaded());
}

TEST_F(TextViewerTest, AViewerClosedWhileItsSaveAsDialogIsOpenStillSavesItsText)
{
    form4().setText("kept text");
    DialogSeam seam;
    seam.message = [this](const MessageRequest& request) {
        messages.push_back(request);
        return MsgResult::Ok;
    };
    seam.saveFile = [this](const SaveFileRequest&) {
        // The program shuts down while the dialog waits: the viewer closes and is deleted.
        form4().close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(form4Loaded());
        return std::optional<SaveFileChoice>(SaveFileChoice{path("kept.txt"), "Text Files (*.txt)"});
    };
    setDialogSeam(seam);
    form4().mnuSave_Click();
    EXPECT_EQ(readFile("kept.txt"), "kept text\r\n");
    EXPECT_TRUE(messages.empty());
}
