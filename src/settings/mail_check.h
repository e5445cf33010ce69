#pragma once
#include "settings/program_state.h"

#include <QString>
#include <array>
#include <optional>

// The mail check: visits up to three POP3 accounts, counts the messages it
// has not counted before in this run, and announces new mail in the small
// windows and by the mail sound.

// One account as the settings store (section "EMail") holds it, the
// password unscrambled.
struct MailAccount {
    QString site;
    QString name;
    QString password;
};

// Account 1, 2 or 3; nullopt when any of its three values is missing or
// "Blank" (the account is not in use).
std::optional<MailAccount> storedMailAccount(int account);

// How the seen list knows a message: by its mailbox (site and user) and its
// identifier there, since a message identifier is unique only within its
// own mailbox.
QString seenMailKey(const MailAccount& account, const QString& messageId);

// The longest the check waits for the compact window's tick to take the
// mail sound; the wait ends sooner as soon as the tick has played it.
inline constexpr double kMailSoundWaitSeconds = 3;

// Checks every configured account, showing its progress in status panel 1
// and recording the outcome in MailState: each account's new messages, or
// why it could not be checked. The panel ends with mailCheckStatusText,
// which never calls a check complete that was not. New mail sets the
// tooltips of the two mail pictures and raises the compact window's sound
// and mail flags. A mailbox that fails in the middle of its session ends
// the check there with Pop3Error, for the caller to handle; the accounts
// after it count as not checked.
//
// One check runs at a time: asked for while another is under way (from
// inside one of its waits), it does nothing, since the check under way
// serves it. Once a check ends, successful or not, it shows the "Check
// E-Mail" report if MailReportAsked was set meanwhile, and clears it.
// The messages it counted are kept in the seen list only when they were
// announced or reported: a check ended by a failing mailbox before either
// leaves them to count as new at the next check.
//
// The program closing during a check ends it: the mailbox's wait ends at
// once (see cancelMailCheck), no further account is visited, and nothing
// is announced or reported.
void Check_Mail();

// Ends the wait of the check under way at once; the shut-down calls it.
// Nothing when no check runs.
void cancelMailCheck();
