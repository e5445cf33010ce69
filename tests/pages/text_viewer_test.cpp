#include "pages/text_viewer.h"

#include "mainwindow/forms.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <tuple>

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
    // No-break spaces and line separators are saved as they are shown.
    const QString shown = QStringLiteral("line\u00a0one\u2028and\r\nline two");
    form4().setText(shown);
    form4().mnuSave_Click(); // cancelled: nothing written, nothing said
    ASSERT_EQ(saveRequests.size(), 1u);
    EXPECT_EQ(saveRequests[0].filters, QStringList{"Text Files (*.txt)"});
    EXPECT_EQ(saveRequests[0].startPath, home());
    EXPECT_TRUE(messages.empty());

    writeFile("notes.txt", "old and longer content");
    saveAnswer = SaveFileChoice{path("notes"), "Text Files (*.txt)"};
    answer = MsgResult::Yes; // replace it
    form4().mnuSave_Click();
    EXPECT_EQ(readFile("notes.txt").toLatin1(), (shown + "\r\n").toUtf8());
    messages.clear();

    saveAnswer = SaveFileChoice{path("no such folder/notes.txt"), "Text Files (*.txt)"};
    form4().mnuSave_Click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_TRUE(messages[0].text.startsWith("The text could not be saved as " + path("no such folder/notes.txt")));
}

// ".txt" may be added to the name chosen: the viewer, not the dialog, asks
// about replacing a file, once, about the file it writes.
TEST_F(TextViewerTest, AsksOnceAboutTheFileItWrites)
{
    const auto question = [](const QString& name) { return name + " already exists.\r\nDo you want to replace it?"; };
    const std::tuple<const char*, const char*, MsgResult, QStringList, const char*> cases[] = {
        // typed, the file there, the answer, the questions, that file's text afterwards
        {"notes.log", "notes.log.txt", MsgResult::No, {question("notes.log.txt")}, "old"},
        {"notes.log", "notes.log.txt", MsgResult::Yes, {question("notes.log.txt")}, "new\r\n"},
        {"notes.txt", "notes.txt", MsgResult::No, {question("notes.txt")}, "old"},
        {"notes.log", "notes.log", MsgResult::No, {}, "old"}, // notes.log.txt is written
    };
    form4().setText("new");
    for (const auto& [typed, existing, reply, questions, written] : cases) {
        messages.clear();
        QFile::remove(path("notes.log.txt"));
        writeFile(existing, "old");
        saveAnswer = SaveFileChoice{path(typed), "Text Files (*.txt)"};
        answer = reply;
        form4().mnuSave_Click();
        EXPECT_FALSE(saveRequests.back().dialogAsksToReplace);
        EXPECT_EQ(readFile(existing), written) << typed;
        EXPECT_EQ(messageTexts(), questions) << typed;
    }
    EXPECT_EQ(readFile("notes.log.txt"), "new\r\n");
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
