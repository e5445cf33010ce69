#include "platform/user_dialogs.h"

#include <QDialog>
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
