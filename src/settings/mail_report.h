#pragma once
#include "platform/pop3_client.h"
#include "settings/program_state.h"

#include <QString>
#include <array>

// What the mail check tells the user once it has visited the accounts: the
// "Check E-Mail" report, the last status text and the mail pictures' tips.
// An account counts as checked only when its mailbox was read to the end.

// Why a mailbox could not be checked, in a few words ("no answer from the
// server").
QString mailFailureReason(Pop3Status status);

// Why an account was not visited at all: a failing mailbox before it ended
// the check.
inline const QString kMailCheckStopped = QStringLiteral("the check stopped at an earlier account");

// The sites with new mail, in account order, each after " - ".
QString mailSitesText(const std::array<MailAccountState, 3>& accounts);

// The "Check E-Mail" report, in account order: a line for each account
// with new mail and for each account that could not be checked (with the
// reason); "At this time there is no new E-Mail." only when every account in
// use was checked and none had new mail; and a hint where to set one up
// when no account is in use.
QString mailReport(const std::array<MailAccountState, 3>& accounts);

// The accounts in use that the last check could not read.
qsizetype uncheckedAccounts(const std::array<MailAccountState, 3>& accounts);

// Status panel 1 at the end of a check: "E-Mail Site Check Completed." only
// when every account in use was checked; else how many could not be.
QString mailCheckStatusText(const std::array<MailAccountState, 3>& accounts);
