// The refresh schedule and one update of every watched station.
#include "mainwindow/form1.h"
#include "mainwindow/digital_window.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "pages/version_check.h"
#include "platform/inet_control.h"
#include "platform/pop3_client.h"
#include "platform/waits.h"
#include "settings/connection.h"
#include "settings/mail_check.h"
#include "settings/mail_report.h"
#include "settings/program_state.h"
#include "settings/source_addresses.h"
#include "settings/station_urls.h"
#include "mainwindow/transfer_state.h"
#include "update/report_processing.h"
#include "update/uv_and_warning_checks.h"

#include <QAction>
#include <QCheckBox>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSlider>
#include <QTimer>
#include <utility>

namespace {

QString clockText(const char* format)
{
    return QTime::currentTime().toString(QLatin1String(format));
}

} // namespace

void Form1::Timer1_Timer()
{
    Timer1->stop();
    DoEvents();
    RNow_Click();
}

void Form1::Timer2_Timer()
{
    ProgramState& state = program();
    ++state.MinutesSinceUpdate;
    if (state.MinutesSinceUpdate >= state.UpdateInterval) {
        state.MinutesSinceUpdate = 0;
        DoEvents();
        if (Auto->isChecked())
            RNow_Click();
    }
    DoEvents();
}

void Form1::waitForLink()
{
    setPanelText(1, QStringLiteral("Corvane Waiting For Connection....."));
    const int seconds = form2().Slider1->value();
    waitUntil([] { return Is_Connected(); }, seconds);
}

// The update's single error path: say so, then give the control time to
// settle unless the next slot shares the failed page.
void Form1::recoverFromFailedStep(int slot)
{
    ProgramState& state = program();
    if (state.AutoDialOn) {
        state.AutoDialOn = false;
        waitForLink();
    }
    setPanelText(1, QStringLiteral("Site is currently UnAvailable, Waiting to check next site."));
    const bool nextShares = slot >= 0 && slot <= 8 && state.SlotURL[slot + 1] == state.SlotURL[slot];
    const bool lastShares = slot == 9 && state.SlotURL[8] == state.SlotURL[9];
    if (nextShares || lastShares)
        return;
    // A request that has ended reports no further state: the wait for the
    // text of its answer is only for one that still runs.
    if (!waitUntil([this] { return !Inet2->StillExecuting(); }, program().InetTimeout + 5))
        waitUntil([this] { return panelText(1) == requestAnsweredText(Inet2->lastHttpStatus()); }, 15);
}

void Form1::RNow_Click()
{
    ProgramState& state = program();
    // Nor does one run while the options dialog loads its watch list (the
    // load lets events run): it would blank the rows of the stations not
    // read yet.
    if (Inet2->StillExecuting() || state.UpdateRunning || form2().loading())
        return;
    // An update started while this one waits (letting events run) is refused.
    const QScopedValueRollback running(state.UpdateRunning, true);
    Weather& compact = weather();

    state.MinutesSinceUpdate = 0;
    compact.LastUp->setText(QStringLiteral("Updating..."));
    wethWind().Label2[6]->setText(QStringLiteral("Updating..."));
    DoEvents();

    connectBeforeUpdate();
    if (!IgnoreUV->isChecked())
        Get_UV_Index();

    // Taken with the addresses, before the first page wait. The unit stays
    // the update's own: one chosen in a later wait is shown by the refresh
    // that follows it, so no row or log record mixes the two.
    // A row's time is its station's: a row given another station has none
    // until that station is read.
    for (int slot = 0; slot < 10; ++slot) {
        const QString entry = slotWatchEntry(slot);
        if (entry != state.SlotEntry[slot])
            state.SlotReadAt[slot] = QTime();
        state.SlotEntry[slot] = entry;
    }
    state.SlotFetched.fill(false);
    const bool celsius = TempD[1]->isChecked();
    fetchStationPages(celsius);
    DoEvents();
    if (CheckAlternate->isChecked())
        fetchAlternateConditions();

    // A program closed while the pages came in stops here: nothing more is
    // logged, fetched or announced on its way out.
    if (Unloading)
        return;
    const ReportsOutcome outcome = Process_Reports(celsius);
    compact.Change_Tip(compact.currentTip());
    const QString mailNote = CkMail[0]->isChecked() ? checkMailAfterUpdate() : QString();
    const QString loggedOff = hangUpAfterUpdate();
    DoEvents();
    // Stations left with earlier readings, lost log records, mailboxes not
    // read and the hang-up are said once, behind the closing text.
    setPanelText(1, updateEndText(outcome, {mailNote, loggedOff}));
    // A refresh asked for while this update ran starts once it has ended.
    if (std::exchange(state.RefreshAsked, false))
        QTimer::singleShot(0, this, &Form1::RNow_Click);
}

// Dials when a dial is pending and no link is up (or, without an entry to
// dial, asks for the version file so that the system dials by itself), and
// runs the version check that waits for the link.
void Form1::connectBeforeUpdate()
{
    ProgramState& state = program();
    Form2& options = form2();
    if (options.Option4[0]->isChecked())
        state.AutoDialOn = false;
    if (!Is_Connected() && state.AutoDialOn) {
        if (!options.Text5->text().isEmpty()) {
            Dial(options.Text5->text());
            waitForLink();
        } else {
            try {
                Set_Inet(*Inet2);
                Inet2->OpenURL(sources::homePage() + QStringLiteral("/version.nfo"));
            } catch (const InetError&) {
                recoverFromFailedStep(-1);
            }
        }
    }
    if (state.AutoDialOn && state.VerifyVersionOn)
        Auto_Version_Check();
    state.AutoDialOn = false;
}

// Every watched slot's page, one after the other.
void Form1::fetchStationPages(bool celsius)
{
    if (form2().List3->count() == 0)
        return;
    Build_URLs(celsius);
    for (int slot = 0; slot < 10; ++slot) {
        DoEvents();
        if (program().SlotOn[slot])
            fetchSlotPage(slot);
    }
}

// The slot's page into SlotText with its address, noting whether it came in
// this update; a slot with the address of the slot before takes that slot's
// page. A page that does not come leaves the earlier one in place.
void Form1::fetchSlotPage(int slot)
{
    ProgramState& state = program();
    QString page;
    QString pageURL = state.SlotURL[slot];
    if (slot > 0 && state.SlotURL[slot] == state.SlotURL[slot - 1]) {
        // The page of the slot before, whether it came now or earlier.
        page = state.SlotText[slot - 1];
        pageURL = state.SlotTextURL[slot - 1];
        state.SlotFetched[slot] = state.SlotFetched[slot - 1];
    } else {
        if (slot > 0 && Inet2->StillExecuting()) {
            setPanelText(1, QStringLiteral("Waiting To Connect.... Please Wait"));
            waitUntil([this] { return !Inet2->StillExecuting(); }, state.InetTimeout + 5);
        }
        try {
            page = fetchUpdatePage(state.SlotURL[slot]);
        } catch (const InetError&) {
            recoverFromFailedStep(slot);
            return;
        }
        state.SlotFetched[slot] = !page.isEmpty();
    }
    if (!page.isEmpty()) {
        state.SlotText[slot] = page;
        state.SlotTextURL[slot] = pageURL;
    }
    if (state.SlotText[slot].isEmpty())
        setPanelText(1, QStringLiteral("Corvane Request UnSuccessful"));
}

void Form1::fetchAlternateConditions()
{
    try {
        program().AltText = fetchUpdatePage(sources::alternateConditions());
    } catch (const InetError&) {
        recoverFromFailedStep(-1);
    }
}

// The mail check; what it could not read, for the update's closing text (a
// mailbox failing midway has ended the check, and said so). A check already
// under way (this update runs in one of its waits) has not failed: it reports
// when it ends, and the closing text says nothing of mail.
QString Form1::checkMailAfterUpdate()
{
    if (program().MailChecking)
        return {};
    try {
        Check_Mail();
    } catch (const Pop3Error&) {
    }
    const auto& accounts = program().MailState;
    return uncheckedAccounts(accounts) > 0 ? mailCheckStatusText(accounts) : QString();
}

// Ends the link after the update when asked to, but only a link that the
// program dialled itself; when none was, there is nothing to report and
// nothing to dial again. Returns "Logged Off at ... and Waiting....." when
// the next update dials again.
QString Form1::hangUpAfterUpdate()
{
    ProgramState& state = program();
    Form2& options = form2();
    if (!options.Check1[0]->isChecked() || state.ConnectedAtStart || !Is_Connected())
        return QString();
    if (!Hang_Up() || !options.Option4[1]->isChecked())
        return QString();
    state.AutoDialOn = true;
    return QStringLiteral("Logged Off at ") + clockText("hh:mm AP") + QStringLiteral(" and Waiting.....");
}
