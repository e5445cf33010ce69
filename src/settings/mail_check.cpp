#include "settings/mail_check.h"

#include "mainwindow/digital_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "mainwindow/weather_window.h"
#include "options/options_dialog.h"
#include "pages/page_fetch.h"
#include "platform/pop3_client.h"
#include "platform/settings_store.h"
#include "platform/user_dialogs.h"
#include "platform/number_formats.h"
#include "platform/waits.h"
#include "settings/string_routines.h"

#include <QAction>
#include <QLabel>
#include <QScopeGuard>
#include <utility>

namespace {

const QString kBlank = QStringLiteral("Blank");

// Counts the messages of one mailbox that the seen list does not hold yet,
// adding them to it. Throws Pop3Error when the mailbox fails meanwhile.
int countNewMessages(Pop3Client& mailbox, const MailAccount& account, MailAccountState& outcome, QStringList& seen)
{
    int unread = 0;
    const int count = mailbox.MessageCount();
    for (int i = 1; i <= count; ++i) {
        mailbox.FetchMessage(i);
        const QString key = seenMailKey(account, mailbox.MessageId());
        if (seen.contains(key))
            continue;
        seen << key;
        ++unread;
        outcome = MailAccountState{account.site, unread};
    }
    return unread;
}

// Shows the sites with new mail and hands the sound and the animation to
// the compact window's tick, then waits (a bounded time, letting events
// run) until that tick has taken the sound.
void announceNewMail(const std::array<MailAccountState, 3>& accounts)
{
    const QString tip = QStringLiteral("You have mail at ") + mailSitesText(accounts);
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

// Visits every configured account once, counting against `seen`; see
// Check_Mail. Stops where the program began to close.
void visitMailboxes(QStringList& seen)
{
    ProgramState& state = program();
    Form1& main = form1();
    std::array<int, 3> unread{};
    // Every account starts empty, so that a check ended early by a failing
    // mailbox leaves no counts of an earlier check behind for the report.
    state.MailState.fill(MailAccountState{});

    Pop3Client mailbox;
    mailboxInUse = &mailbox;
    const auto released = qScopeGuard([] { mailboxInUse = nullptr; });
    for (int n = 0; n < 3 && !programClosing(); ++n) {
        MailAccountState& outcome = state.MailState[n];
        const std::optional<MailAccount> account = storedMailAccount(n + 1);
        if (!account)
            continue;
        const QString number = numberForm(n + 1);

        mailbox.setHost(account->site);
        mailbox.setUserName(account->name);
        mailbox.setPassword(account->password);
        mailbox.setTimeout(state.InetTimeout);
        main.setPanelText(1, QStringLiteral("Corvane Contacting E-Mail Site #") + number);
        mailbox.Connect();
        if (mailbox.Result() == 0) {
            main.setPanelText(1, QStringLiteral("Corvane Checking E-Mail at Site #") + number);
            if (mailbox.MessageCount() > 0) {
                unread[n] = countNewMessages(mailbox, *account, outcome, seen);
            } else {
                unread[n] = mailbox.MessageCount();
                outcome = MailAccountState{account->site, mailbox.MessageCount()};
            }
        } else {
            main.setPanelText(1, QStringLiteral("E-Mail Site #") + number + QStringLiteral(" not available."));
        }
        mailbox.Disconnect();
        main.setPanelText(1, QStringLiteral("E-Mail Site #") + number + QStringLiteral(" checked."));
    }

    if (programClosing())
        return; // nothing is announced on the program's way out
    main.setPanelText(1, QStringLiteral("E-Mail Site Check Completed."));
    if ((unread[0] | unread[1] | unread[2]) != 0)
        announceNewMail(state.MailState);
}

// The "Check E-Mail" report, when one was asked for.
void reportIfAsked()
{
    if (!std::exchange(program().MailReportAsked, false) || programClosing())
        return;
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

QString mailSitesText(const std::array<MailAccountState, 3>& accounts)
{
    QString sites;
    for (const MailAccountState& account : accounts)
        if (account.Unread > 0)
            sites += QStringLiteral(" - ") + account.Site;
    return sites;
}

QString mailReport(const std::array<MailAccountState, 3>& accounts)
{
    QString report;
    for (const MailAccountState& account : accounts) {
        if (account.Unread == 0)
            continue;
        report += QStringLiteral("Your E-Mail Box at ") + account.Site.toUpper() + QStringLiteral(" has")
            + numberForm(account.Unread)
            + (account.Unread > 1 ? QStringLiteral(" unread messages.") : QStringLiteral(" unread message."))
            + QStringLiteral("\r\n");
    }
    return report.isEmpty() ? QStringLiteral("At this time there is no new E-Mail.") : report;
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
    QStringList seen = form2().List6;
    auto finish = [&] {
        form2().List6 = seen;
        state.MailChecking = false;
        reportIfAsked();
    };
    try {
        visitMailboxes(seen);
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
// and the report then tells what was found up to there.
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
