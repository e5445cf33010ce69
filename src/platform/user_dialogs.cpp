#include "platform/user_dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QMessageBox>
#include <cstdlib>

namespace {

DialogSeam& seam()
{
    static DialogSeam instance;
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

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    if (seam().message)
        return seam().message(MessageRequest{text, title, buttons, icon});

    QMessageBox box(toQtIcon(icon), title, text);
    switch (buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
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
    seam() = DialogSeam{};
}
