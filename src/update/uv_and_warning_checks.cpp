// The per-station UV and warning checks of the update.
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "platform/inet_control.h"
#include "platform/color_values.h"
#include "settings/connection.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"
#include "update/active_alerts.h"
#include "update/state_codes.h"
#include "update/uv_and_warning_checks.h"
#include "update/uv_and_warnings.h"

#include <QHash>
#include <QLabel>
#include <QListWidget>

namespace {

// The active alerts answers fetched in this pass of the update, as read, by
// state code: each is checked for the state's stations one after the other.
QHash<QString, AlertsAnswer>& warningsCache()
{
    static QHash<QString, AlertsAnswer> answers;
    return answers;
}

} // namespace

void Get_UV_Index(const QString& url)
{
    const QString bulletin = fetchTextOrEmpty(*form1().Inet2, url.isEmpty() ? sources::uvBulletin() : url);
    program().UVValues = uvValuesFromBulletin(bulletin);
}

void Show_Slot_UV(int Index, const QString& watchEntry)
{
    const QString stateCode = slotStateCode(watchEntry, program().SlotURL[Index]);
    form1().Label10[Index]->setText(uvForPlace(form1().Label2[Index]->text(), stateCode, program().UVValues));
}

void Check_Warnings(int Index, int Kind, const QString& watchEntry)
{
    ProgramState& state = program();
    Form1& main = form1();
    if (main.Inet2->StillExecuting()) {
        main.setPanelText(1, QStringLiteral("Connection Busy"));
        return;
    }
    state.WarnFlag[Index] = false;
    state.WarnSound[Index] = false;
    if (Kind != 1) {
        const QString stateCode = slotStateCode(watchEntry, state.SlotURL[Index]);
        WarningState warning;
        if (!stateCode.isEmpty()) {
            if (!warningsCache().contains(stateCode))
                warningsCache().insert(stateCode, readActiveAlerts(fetchActiveAlerts(*main.Inet2, stateCode)));
            // Events ran while the alerts came in: the place is read afresh.
            warning = warningsFor(warningsCache()[stateCode], main.Label2[Index]->text());
        }
        setBackColor(main.S_Warning[Index], warning.lamp);
        state.WarnFlag[Index] = warning.alert;
        state.WarnSound[Index] = warning.alert;
    }
    if (state.CurrentSlot == Index)
        setBackColor(weather().Label1[0], backColor(main.S_Warning[Index]));
}

void clearWarningsCache()
{
    warningsCache().clear();
}

QString slotWatchEntry(int Index)
{
    if (!form2Loaded())
        return QString();
    const QListWidgetItem* item = form2().List3->item(Index);
    return item ? item->text() : QString();
}
