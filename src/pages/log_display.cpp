#include "pages/log_display.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/page_fetch.h"
#include "pages/text_viewer.h"
#include "platform/program_folder.h"
#include "platform/text_files.h"
#include "platform/user_dialogs.h"
#include "update/observation_log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>

QString findLogFile(const QString& programFolder, const QString& fileName)
{
    const QString logFolder =
        storedNameAnyCase(programFolder, QStringLiteral("log"), QDir::Dirs | QDir::NoDotAndDotDot);
    if (logFolder.isEmpty())
        return QString();
    const QDir folder(QDir(programFolder).filePath(logFolder));
    const QString stored = storedNameAnyCase(folder.path(), fileName, QDir::Files);
    return stored.isEmpty() ? QString() : folder.filePath(stored);
}

QString logCaption(const QString& storedName)
{
    QString caption = storedName.left(storedName.size() - 4);
    if (caption.size() >= 4)
        caption[caption.size() - 4] = QLatin1Char(' ');
    return caption.toUpper();
}

LogText logItemsText(const QString& content, qsizetype capacity)
{
    LogText result;
    CommaInput input(content, CommaInput::Blanks::Drop);
    while (const std::optional<QString> item = input.next()) {
        if (result.text.size() + item->size() + 2 > capacity) {
            result.complete = false;
            break;
        }
        result.text += *item + QStringLiteral("\r\n");
    }
    return result;
}

void Show_Log_File(int Index, int Kind)
{
    const bool shared = Kind == 7;
    if (!shared && (Index < 0 || Index > 9))
        return;
    const QString place = shared ? QString() : form1().Label2[Index]->text();
    const QString path = findLogFile(programFolder(), logFileName(place, !shared));
    if (path.isEmpty()) {
        MsgBox(QStringLiteral("The Log File Doesn't Exist!"), MsgButtons::Ok, MsgIcon::Exclamation,
               QStringLiteral("Corvane Log"));
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MsgBox(QStringLiteral("The Log File could not be read:\r\n") + file.errorString(), MsgButtons::Ok,
               MsgIcon::Exclamation, QStringLiteral("Corvane Log"));
        return;
    }
    // Logs grow without end: only their beginning can be shown, so only that is read.
    LogText log = logItemsText(decodeFileText(file.read(kLogViewerCapacity * 4)));
    if (!file.atEnd())
        log.complete = false;
    file.close();
    if (!log.complete) {
        MsgBox(QStringLiteral("This file is longer than 32K which is the upper limit\r\n"
                              "of a text file that Corvane can display."),
               MsgButtons::Ok, MsgIcon::Stop, QStringLiteral("Log File Too Big, Corvane"));
        if (programClosing())
            return;
    }
    showInViewer(logCaption(QFileInfo(path).fileName()), log.text);
}
