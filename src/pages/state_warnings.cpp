#include "pages/state_warnings.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/page_fetch.h"
#include "pages/text_viewer.h"
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

constexpr qsizetype kLongestShownLine = 1000;

// The text with each line of more than kLongestShownLine characters broken
// into lines of at most that many, at blanks where it has them.
QString withShortLines(const QString& text)
{
    QString shown;
    shown.reserve(text.size() + text.size() / kLongestShownLine);
    const QStringView all(text);
    for (qsizetype start = 0; start <= text.size();) {
        const qsizetype lineFeed = text.indexOf(QLatin1Char('\n'), start);
        const qsizetype end = lineFeed < 0 ? text.size() : lineFeed;
        while (end - start > kLongestShownLine) {
            const qsizetype blank = all.sliced(start, kLongestShownLine + 1).lastIndexOf(QLatin1Char(' '));
            const qsizetype piece = blank > 0 ? blank : kLongestShownLine;
            shown += all.sliced(start, piece);
            shown += QLatin1Char('\n');
            start += blank > 0 ? piece + 1 : piece;
        }
        shown += all.sliced(start, end - start);
        if (lineFeed < 0)
            break;
        shown += QLatin1Char('\n');
        start = end + 1;
    }
    return shown;
}

// One alert: its heading lines, then its description and instruction.
QString alertBlock(const ActiveAlert& alert)
{
    QStringList heading;
    for (const QString& line : {alert.event, alert.headline})
        heading << line.trimmed();
    if (!alert.areas.trimmed().isEmpty())
        heading << QStringLiteral("Areas: ") + alert.areas.trimmed();
    heading.removeAll(QString());
    QStringList paragraphs{heading.join(QLatin1Char('\n')), alert.description.trimmed(),
                           alert.instruction.trimmed()};
    paragraphs.removeAll(QString());
    return paragraphs.join(QStringLiteral("\n\n"));
}

} // namespace

QString stateWarningsText(const AlertsAnswer& answer, const QString& stateName)
{
    if (!answer.anyAlert())
        return QStringLiteral("No watches, warnings or advisories are in effect for ") + stateName
            + QLatin1Char('.');
    QStringList blocks;
    for (const ActiveAlert& alert : answer.alerts)
        blocks << alertBlock(alert);
    return withShortLines(blocks.join(QStringLiteral("\n\n") + QString(60, QLatin1Char('-')) + QStringLiteral("\n\n")));
}

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
