#pragma once
#include "platform/user_dialogs.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <vector>

// Every test process works in its own temporary program folder and settings
// store; the fixture below gives each test a fresh one.
namespace TestSandbox {
void isolateProcess();
}

// Thrown by the dialog seam in place of ending the process.
struct ProgramEnded {
    int code;
};

// A test with its own empty program folder (CORVANE_HOME) and settings store
// (XDG_CONFIG_HOME), fresh program-wide values, no windows, and message boxes
// answered by `answer` and recorded in `messages`.
class SandboxTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    QString home() const;
    QString path(const QString& relative) const;
    void writeFile(const QString& relative, const QString& content) const;
    void writeLines(const QString& relative, const QStringList& lines) const;
    QString readFile(const QString& relative) const;
    // Copies a shipped data file (from data/) into the program folder.
    void installShipped(const QString& relative) const;
    // The texts of the message boxes in `messages`, in order.
    QStringList messageTexts() const;

    std::vector<MessageRequest> messages;
    MsgResult answer = MsgResult::Ok;
    QStringList modalShown; // titles of the dialogs shown modally
    // Save As dialogs shown, and the answer they get (cancelled when unset):
    // the name typed, which gets the extension of the type chosen as the
    // dialog gives it one, and that type.
    std::vector<SaveFileRequest> saveRequests;
    std::optional<SaveFileChoice> saveAnswer;
    // When set, printing goes to this PDF file; otherwise there is no printer.
    QString printFile;

private:
    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<QTemporaryDir> config_;
};

// A sandbox whose station list holds Texas with DALLAS, with a tray, and
// the sounds played recorded in `played`.
class DallasSandboxTest : public SandboxTest {
protected:
    void SetUp() override;
    void TearDown() override;

    QStringList played;
};
