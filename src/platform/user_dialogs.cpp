#include "platform/user_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <cstdio>
#include <cstdlib>

namespace {

// One line "title: text", the text's line breaks made blanks.
void tellStandardError(const QString& title, QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" ")).replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
    std::fflush(stderr);
}

// The answer of a box closed with Escape.
MsgResult escapeAnswer(MsgButtons buttons)
{
    switch (buttons) {
    case MsgButtons::OkCancel: return MsgResult::Cancel;
    case MsgButtons::YesNo: return MsgResult::No;
    case MsgButtons::Ok: break;
    }
    return MsgResult::Ok;
}

// What answers when no test hook is set: the real dialogs, or in an
// unattended run the answers described in the header.
DialogSeam defaultSeam()
{
    if (!qEnvironmentVariableIsSet("CORVANE_UNATTENDED"))
        return DialogSeam{};
    return DialogSeam{
        [](const MessageRequest& request) {
            tellStandardError(request.title, request.text);
            return escapeAnswer(request.buttons);
        },
        [](const QColor&) { return std::optional<QColor>(); },
        {},
        [](QDialog& dialog) {
            tellStandardError(dialog.windowTitle(), QStringLiteral("shown"));
            return static_cast<int>(QDialog::Rejected);
        },
        [](const SaveFileRequest& request) {
            tellStandardError(request.title, QStringLiteral("cancelled"));
            return std::optional<SaveFileChoice>();
        },
        {},
    };
}

DialogSeam& seam()
{
    static DialogSeam instance = defaultSeam();
    return instance;
}

QMessageBox::Icon toQtIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Stop: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title,
                 MsgDefault defaultButton)
{
    if (seam().message)
        return seam().message(MessageRequest{text, title, buttons, icon, defaultButton});

    QMessageBox box(toQtIcon(icon), title, text);
    box.setTextFormat(Qt::PlainText); // it may name a station or an address from a file
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    }
    if (buttons != MsgButtons::Ok) {
        const bool second = defaultButton == MsgDefault::Second;
        if (buttons == MsgButtons::OkCancel)
            box.setDefaultButton(second ? QMessageBox::Cancel : QMessageBox::Ok);
        else
            box.setDefaultButton(second ? QMessageBox::No : QMessageBox::Yes);
    }
    switch (box.exec()) {
    case QMessageBox::Cancel: return MsgResult::Cancel;
    case QMessageBox::Yes: return MsgResult::Yes;
    case QMessageBox::No: return MsgResult::No;
    default: return MsgResult::Ok;
    }
}

std::optional<QColor> chooseColor(const QColor& initial)
{
    if (seam().color)
        return seam().color(initial);
    const QColor chosen = QColorDialog::getColor(initial);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

QString filterSuffix(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\(\\*\\.([^*;\\s)]+)"));
    return pattern.match(filter).captured(1);
}

std::optional<SaveFileChoice> chooseSaveFile(const SaveFileRequest& request)
{
    if (seam().saveFile)
        return seam().saveFile(request);
    // Qt's own dialog adds the extension before it asks whether to replace a
    // file, so that it asks about the file that will be written; a desktop's
    // dialog may ask about the name as typed.
    QFileDialog dialog(nullptr, request.title, request.startPath);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.dialogAsksToReplace);
    dialog.setNameFilters(request.filters);
    dialog.selectNameFilter(request.selectedFilter);
    dialog.setDefaultSuffix(filterSuffix(request.selectedFilter));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveFileChoice{dialog.selectedFiles().constFirst(), dialog.selectedNameFilter()};
}

std::unique_ptr<QPrinter> defaultPrinter()
{
    if (seam().printer)
        return seam().printer();
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

int showModal(QDialog& dialog)
{
    if (seam().modal)
        return seam().modal(dialog);
    return dialog.exec();
}

void endProgram(int code)
{
    if (seam().endProgram)
        seam().endProgram(code);
    std::exit(code);
}

void setDialogSeam(DialogSeam replacement)
{
    seam() = std::move(replacement);
}

void clearDialogSeam()
{
    seam() = defaultSeam();
}
