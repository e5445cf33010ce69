#include "test_support.h"

#include "mainwindow/forms.h"
#include "platform/sound_player.h"
#include "platform/tray_icons.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

namespace TestSandbox {
void isolateProcess()
{
    static QTemporaryDir root;
    qputenv("CORVANE_HOME", (root.path() + "/home").toUtf8());
    qputenv("XDG_CONFIG_HOME", (root.path() + "/config").toUtf8());
}
} // namespace TestSandbox

void SandboxTest::SetUp()
{
    home_ = std::make_unique<QTemporaryDir>();
    config_ = std::make_unique<QTemporaryDir>();
    qputenv("CORVANE_HOME", home_->path().toUtf8());
    qputenv("XDG_CONFIG_HOME", config_->path().toUtf8());
    resetProgramState();
    setDialogSeam(DialogSeam{
        [this](const MessageRequest& request) {
            messages.push_back(request);
            return answer;
        },
        [](const QColor&) { return std::optional<QColor>(); },
        [](int code) { throw ProgramEnded{code}; },
        [this](QDialog& dialog) {
            modalShown << dialog.windowTitle();
            return 0;
        },
        [this](const SaveFileRequest& request) {
            saveRequests.push_back(request);
            std::optional<SaveFileChoice> choice = saveAnswer;
            const QString suffix = choice ? filterSuffix(choice->filter) : QString();
            if (!suffix.isEmpty() && !QFileInfo(choice->path).fileName().contains('.'))
                choice->path += '.' + suffix;
            return choice;
        },
        [this]() -> std::unique_ptr<QPrinter> {
            if (printFile.isEmpty())
                return nullptr;
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(printFile);
            return printer;
        },
    });
}

void SandboxTest::TearDown()
{
    releaseAllForms();
    clearDialogSeam();
    sites::redirectSites(QString());
    resetProgramState();
}

void DallasSandboxTest::SetUp()
{
    SandboxTest::SetUp();
    writeLines("States_Cities.cvd",
               {"[US States/Cities]", "Texas", "https://roundup.example/tx/rwr.txt", "DALLAS", "[END]"});
    TrayIcons::instance().simulate(true);
    SoundPlayer::instance().listener = [this](const QString& file) { played << file; };
}

void DallasSandboxTest::TearDown()
{
    SoundPlayer::instance().listener = nullptr;
    SandboxTest::TearDown();
}

QString SandboxTest::home() const
{
    return home_->path();
}

QString SandboxTest::path(const QString& relative) const
{
    return home_->path() + "/" + relative;
}

void SandboxTest::writeFile(const QString& relative, const QString& content) const
{
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content.toLatin1());
}

void SandboxTest::writeLines(const QString& relative, const QStringList& lines) const
{
    writeFile(relative, lines.join("\r\n") + "\r\n");
}

QString SandboxTest::readFile(const QString& relative) const
{
    QFile file(path(relative));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLatin1(file.readAll());
}

void SandboxTest::installShipped(const QString& relative) const
{
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    ASSERT_TRUE(QFile::copy(QStringLiteral(CORVANE_DATA_DIR) + "/" + relative, target)) << relative.toStdString();
}

QStringList SandboxTest::messageTexts() const
{
    QStringList texts;
    for (const MessageRequest& message : messages)
        texts << message.text;
    return texts;
}
