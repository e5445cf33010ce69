#include "settings/mail_check.h"

#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "pages/page_fetch.h"
#include "platform/plain_text.h"
#include "platform/pop3_client.h"
#include "platform/settings_store.h"
#include "platform/user_dialogs.h"
#include "platform/number_formats.h"
#include "platform/waits.h"
#include "settings/mail_report.h"
#include "settings/string_routines.h"

#include <QAction>
#include <QLabel>
#include <QScopeGuard>
#include <QSet>
#include <utility>

namespace {

const QString kBlank = QStringLiteral("Blank");

// Counts the messages of one mailbox that the seen list does not hold yet,
// adding them to it. Throws Pop3Error when the mailbox fails meanwhile:
// nothing of its list is counted then.
int countNewMessages(Pop3Client& mailbox, const MailAccount& account, QSet<QString>& seen)
{
    int unread = 0;
    for (const QString& id : mailbox.FetchMessageIds()) {
        const qsizetype before = seen.size();
        seen.insert(seenMailKey(account, id));
        if (seen.size() > before)
            ++unread;
    }
    return unread;
}

// Shows the sites with new mail and hands the sound and the animation to
// the compact window's tick, then waits (a bounded time, letting events
// run) until that tick has taken the sound.
void announceNewMail(const std::array<MailAccountState, 3>& accounts)
{
    const QString tip = plainToolTip(QStringLiteral("You have mail at ") + mailSitesText(accounts));
    Weather& compact = weather();
    compact.Image1[2]->setToolTip(tip);
    wethWind().Image1[22]->setToolTip(tip);
    compact.PlayMailSound = 1;
    compact.GotMail = 1;
    // A stopped or stalled tick must not hold the update or the menu for
    // ever; the sound then stays due for the tick's next run. The shut-down
    // stops the tick: the wait ends with it.
    waitUntil([] { return !weather().PlayMailSound || programClosing(); }, kMailSoundWaitSeconds);
}

// The mailbox of the check under way, for cancelMailCheck.
Pop3Client* mailboxInUse = nullptr;

// Checks one account: logs in, counts its new messages and says so in
// status panel 1, recording in `outcome` what it found or why the account
// could not be checked. Returns the count of new messages. A mailbox that
// fails in the middle of its list throws Pop3Error.
int checkAccount(Pop3Client& mailbox, const MailAccount& account, int n, MailAccountState& outcome, QSet<QString>& seen)
{
    Form1& main = form1();
    const QString number = numberForm(n + 1);
    mailbox.setHost(account.site);
    mailbox.setUserName(account.name);
    mailbox.setPassword(account.password);
    mailbox.setTimeout(program().InetTimeout);
    main.setPanelText(1, QStringLiteral("Corvane Contacting E-Mail Site #") + number);
    mailbox.Connect();
    if (mailbox.Result() != 0) {
        outcome.Failure = mailFailureReason(static_cast<Pop3Status>(mailbox.Result()));
        mailbox.Disconnect();
        main.setPanelText(1, QStringLiteral("E-Mail Site #") + number + QStringLiteral(" not available."));
        return 0;
    }
    main.setPanelText(1, QStringLiteral("Corvane Checking E-Mail at Site #") + number);
    try {
        outcome.Unread = countNewMessages(mailbox, account, seen);
    } catch (const Pop3Error& error) {
        outcome.Failure = mailFailureReason(error.status());
        throw;
    }
    outcome.Failure.clear();
    mailbox.Disconnect();
    main.setPanelText(1, QStringLiteral("E-Mail Site #") + number + QStringLiteral(" checked."));
    return outcome.Unread;
}

// Visits every configured account once, counting against `seen`; see
// Check_Mail. Stops where the program began to close. Returns whether new
// mail was announced.
bool visitMailboxes(QSet<QString>& seen)
{
    ProgramState& state = program();
    // Every account starts afresh, the ones in use as not checked yet, so
    // that a check ended early by a failing mailbox leaves nothing of an
    // earlier check behind and names the accounts it never came to.
    std::array<std::optional<MailAccount>, 3> accounts;
    for (int n = 0; n < 3; ++n) {
        accounts[n] = storedMailAccount(n + 1);
        state.MailState[n] = MailAccountState{};
        if (accounts[n])
            state.MailState[n] = MailAccountState{accounts[n]->site, 0, kMailCheckStopped};
    }

    Pop3Client mailbox;
    mailboxInUse = &mailbox;
    const auto released = qScopeGuard([] { mailboxInUse = nullptr; });
    int unread = 0;
    try {
        for (int n = 0; n < 3 && !programClosing(); ++n) {
            if (accounts[n])
                unread += checkAccount(mailbox, *accounts[n], n, state.MailState[n], seen);
        }
    } catch (const Pop3Error&) {
        // A failing mailbox ends the check: the panel says what was checked.
        if (!programClosing())
            form1().setPanelText(1, mailCheckStatusText(state.MailState));
        throw;
    }

    if (programClosing())
        return false; // nothing is announced on the program's way out
    form1().setPanelText(1, mailCheckStatusText(state.MailState));
    if (unread == 0)
        return false;
    announceNewMail(state.MailState);
    return true;
}

void showReport()
{
    MsgBox(mailReport(program().MailState), MsgButtons::Ok, MsgIcon::Information,
           QStringLiteral("Corvane E-Mail Check"));
}

} // namespace

std::optional<MailAccount> storedMailAccount(int account)
{
    const QString n = QString::number(account);
    const QString section = QStringLiteral("EMail");
    MailAccount stored{GetSetting(section, QStringLiteral("Site") + n, kBlank),
                       GetSetting(section, QStringLiteral("Name") + n, kBlank),
                       GetSetting(section, QStringLiteral("Pass") + n, kBlank)};
    if (stored.site == kBlank || stored.name == kBlank || stored.password == kBlank)
        return std::nullopt;
    Flip_Bits(stored.password);
    return stored;
}

QString seenMailKey(const MailAccount& account, const QString& messageId)
{
    return account.site + QLatin1Char('\t') + account.name + QLatin1Char('\t') + messageId;
}

void Check_Mail()
{
    ProgramState& state = program();
    if (state.MailChecking)
        return;
    state.MailChecking = true;
    // The check counts against its own copy of the seen list and stores it
    // when it ends: the options dialog loaded afresh in one of its waits
    // empties the dialog's list, and what was counted must not count again.
    // A message counted becomes seen only once the user was told of it, by
    // the announcement or by the report: a check that a failing mailbox
    // ended before either leaves it to count as new next time.
    const QSet<QString> seenBefore = form2().List6;
    QSet<QString> seen = seenBefore;
    bool announced = false;
    auto finish = [&] {
        const bool reported = std::exchange(state.MailReportAsked, false) && !programClosing();
        form2().List6 = announced || reported ? seen : seenBefore;
        state.MailChecking = false;
        if (reported)
            showReport();
    };
    try {
        announced = visitMailboxes(seen);
    } catch (...) {
        finish();
        throw;
    }
    finish();
}

void cancelMailCheck()
{
    if (mailboxInUse)
        mailboxInUse->Cancel();
}

// The "Check E-Mail" menu. Index 0 toggles the automatic check after each
// update; index 1 checks at once and reports, or, when a check is under way,
// has that one report as it ends. A mailbox failing midway ends the check,
// and the report then tells what was found up to there and which accounts
// could not be checked.
void Form1::CkMail_Click(int Index)
{
    if (Index == 0) {
        CkMail[0]->setChecked(!CkMail[0]->isChecked());
        return;
    }
    if (Index != 1)
        return;
    program().MailReportAsked = true;
    try {
        Check_Mail();
    } catch (const Pop3Error&) {
        // Reported by the check from whatever it had recorded.
    }
}
