#include "platform/user_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Runs with CORVANE_UNATTENDED set and no test hook, as a separate
// unattended copy of the program would.
class UnattendedDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("CORVANE_UNATTENDED", "1");
        clearDialogSeam();
    }
    void TearDown() override
    {
        qunsetenv("CORVANE_UNATTENDED");
        clearDialogSeam();
    }
};

} // namespace

TEST_F(UnattendedDialogs, MessageBoxesSayWhatTheyShowAndAnswerAsEscapeWould)
{
    testing::internal::CaptureStderr();
    EXPECT_EQ(MsgBox("Program Aready Running!", MsgButtons::Ok, MsgIcon::Exclamation), MsgResult::Ok);
    EXPECT_EQ(MsgBox("Are you sure?", MsgButtons::OkCancel), MsgResult::Cancel);
    EXPECT_EQ(MsgBox("Your version is out of date!\r\nJump?", MsgButtons::YesNo, MsgIcon::None, "Verify Version"),
              MsgResult::No);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "Corvane: Program Aready Running!\n"
              "Corvane: Are you sure?\n"
              "Verify Version: Your version is out of date! Jump?\n");
}

TEST_F(UnattendedDialogs, ModalDialogsReturnAtOnceAndPickersAreCancelled)
{
    QDialog dialog;
    dialog.setWindowTitle("Corvane Options");
    bool stillWaiting = false;
    // Were the dialog really shown, this would be what ends it.
    QTimer::singleShot(2000, &dialog, [&] {
        stillWaiting = true;
        dialog.accept();
    });
    testing::internal::CaptureStderr();
    EXPECT_EQ(showModal(dialog), QDialog::Rejected);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Corvane Options: shown\n");
    EXPECT_FALSE(stillWaiting);
    EXPECT_EQ(chooseColor(Qt::red), std::nullopt);

    testing::internal::CaptureStderr();
    EXPECT_FALSE(chooseSaveFile(SaveFileRequest{"Save Picture As", {"Bmp Files (*.bmp)"}, {}, {}}).has_value());
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Save Picture As: cancelled\n");
}

TEST(DialogHooks, TestHooksAnswerBeforeTheUnattendedAnswers)
{
    qputenv("CORVANE_UNATTENDED", "1");
    setDialogSeam(DialogSeam{[](const MessageRequest&) { return MsgResult::Yes; }, {}, {}, {}, {}, {}});
    testing::internal::CaptureStderr();
    EXPECT_EQ(MsgBox("Jump?", MsgButtons::YesNo), MsgResult::Yes);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    qunsetenv("CORVANE_UNATTENDED");
    clearDialogSeam();
}

// The real Save As dialog, worked as a user would: a file type is chosen
// with the arrow keys, a name typed and Save pressed; the dialog's question
// whether to replace a file is answered.
TEST(SaveAsDialog, AsksAboutTheFileThatWillBeWritten)
{
    clearDialogSeam();
    QTemporaryDir folder;
    for (const char* existing : {"notes.txt", "copy.gif"}) {
        QFile file(folder.filePath(existing));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const QString text = "Text Files (*.txt)", any = "All Files (*.*)", bmp = "Bmp Files (*.bmp)",
                  gif = "Gif Files (*.gif)";
    struct Case {
        const char* what;
        QStringList filters; // the first preselected
        int typeKeys;        // Down (above 0) or Up (below 0) presses in the list of types
        QString typed;
        QString asked; // the file the dialog asks to replace (and is told to)
        QString saved;
    } const cases[] = {
        {"a text over an older one", {text}, 0, "notes", "notes.txt", "notes.txt"},
        {"a new text", {text}, 0, "new", "", "new.txt"},
        {"a picture of the type chosen", {bmp, any, gif}, 2, "copy", "copy.gif", "copy.gif"},
        {"any type", {bmp, any, gif}, 1, "copy", "", "copy"},
    };
    for (const Case& c : cases) {
        QString asked;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            for (int i = 0; i < std::abs(c.typeKeys); ++i) {
                QKeyEvent press(QEvent::KeyPress, c.typeKeys > 0 ? Qt::Key_Down : Qt::Key_Up, Qt::NoModifier);
                QApplication::sendEvent(types, &press);
            }
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(c.typed);
            QTimer::singleShot(0, dialog, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    asked = box->text();
                    box->button(QMessageBox::Yes)->click();
                }
            });
            dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
            if (dialog->isVisible())
                dialog->reject();
        });
        const auto choice = chooseSaveFile(SaveFileRequest{"Save As", c.filters, c.filters[0], folder.path()});
        const QString question = c.asked.isEmpty() ? "" : c.asked + " already exists.\nDo you want to replace it?";
        EXPECT_EQ(asked.toStdString(), question.toStdString()) << c.what;
        EXPECT_EQ(choice ? QDir(folder.path()).relativeFilePath(choice->path).toStdString() : "", c.saved.toStdString())
            << c.what;
    }
}

// A message box may name a station or an address from the user's files: it
// shows its text as it stands, never as markup.
TEST(MessageBoxes, ShowTheirTextAsItStands)
{
    clearDialogSeam();
    const QString text = "\"<H1>NOWHERE</H1>\" could not be found at <IMG SRC=/etc/hostname>";
    Qt::TextFormat format = Qt::AutoText;
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        format = box->textFormat();
        shown = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    EXPECT_EQ(MsgBox(text, MsgButtons::Ok, MsgIcon::Exclamation), MsgResult::Ok);
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(shown, text);
}
