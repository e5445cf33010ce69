#include "pages/state_warnings.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/page_fetch.h"
#include "pages/text_viewer.h"
#include "pages/warnings_text.h"
#include "platform/user_dialogs.h"
#include "settings/program_state.h"
#include "update/active_alerts.h"
#include "update/site_code.h"
#include "update/state_codes.h"
#include "update/uv_and_warning_checks.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextCursor>

namespace {

// Selects the first place in the viewer's text that names the place, if any,
// but for the words that name no place in the alerts of `answer`.
void selectPlace(QPlainTextEdit& box, const QString& place, const AlertsAnswer& answer)
{
    QStringList senders;
    for (const ActiveAlert& alert : answer.alerts)
        senders << alert.sender;
    senders.removeDuplicates();
    const PlaceWords words(place);
    const std::optional<PlaceSpan> span = words.firstOutside(box.toPlainText(), wordsNamingNoPlace(words, senders));
    if (!span)
        return;
    QTextCursor cursor = box.textCursor();
    cursor.setPosition(static_cast<int>(span->start));
    cursor.setPosition(static_cast<int>(span->start + span->length), QTextCursor::KeepAnchor);
    box.setTextCursor(cursor);
}

} // namespace

void Show_State_Warnings(int Index)
{
    if (Index < 0 || Index > 9 || refusedWhileBusy(QStringLiteral("Connection Busy")))
        return;
    const QString url = program().SlotURL[Index];
    const QString entry = slotWatchEntry(Index);
    const QString stateCode = url.startsWith(hawaiiListPrefix()) ? QString() : slotStateCode(entry, url);
    const AlertsAnswer answer =
        stateCode.isEmpty() ? AlertsAnswer() : readActiveAlerts(fetchActiveAlerts(*form1().Inet1, stateCode));
    if (programClosing())
        return;
    if (!answer.valid) {
        MsgBox(QStringLiteral("Warnings Not Available!"));
        return;
    }
    Form1& main = form1();
    main.setPanelText(1, QStringLiteral("Processing Text.... Please Wait"));
    const QString stateName = watchEntryState(entry);
    const QString text = stateWarningsText(answer, stateName.isEmpty() ? stateCode : stateName);
    main.setPanelText(1, QStringLiteral("Text Processing Complete"));
    showInViewer(QStringLiteral("Corvane State Wide Warnings"), text);
    // Events ran while the alerts came in: the place is read afresh.
    selectPlace(*form4().Text1, main.Label2[Index]->text(), answer);
}
