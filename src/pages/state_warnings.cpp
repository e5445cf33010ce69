#include "pages/state_warnings.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/page_fetch.h"
#include "pages/regional_pages.h"
#include "pages/text_viewer.h"
#include "platform/user_dialogs.h"
#include "settings/program_state.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace {

// Selects the first occurrence of `words` in the viewer's text, if any.
void selectFirst(QPlainTextEdit& box, const QString& words)
{
    const qsizetype at = box.toPlainText().indexOf(words);
    if (words.isEmpty() || at < 0)
        return;
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(static_cast<int>(at));
    cursor.setPosition(static_cast<int>(at + words.size()), QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

} // namespace

void Show_State_Warnings(int Index)
{
    if (Index < 0 || Index > 9 || refusedWhileBusy(QStringLiteral("Connection Busy")))
        return;
    const std::optional<QString> folder = regionalFolder(program().SlotURL[Index]);
    const std::optional<QString> page =
        folder ? fetchStatePage(*folder + QStringLiteral("allwarnings.html")) : std::nullopt;
    if (!page) {
        MsgBox(QStringLiteral("Warnings Not Available!"));
        return;
    }
    Form1& main = form1();
    const QString place = main.Label2[Index]->text();
    QString text;
    if (page->contains(QLatin1String("All Warnings are not currently available"))) {
        text = QStringLiteral("No Current Warnings for ") + place;
    } else {
        main.setPanelText(1, QStringLiteral("Processing Text.... Please Wait"));
        text = bulletinText(*page);
        main.setPanelText(1, QStringLiteral("Text Processing Complete"));
    }
    showInViewer(QStringLiteral("Corvane State Wide Warnings"), text);
    selectFirst(*form4().Text1, place);
}
