#include "settings/mail_report.h"

#include "platform/number_formats.h"

#include <algorithm>

namespace {

const QString kNoAccount = QStringLiteral("No E-Mail account is set up.");

bool inUse(const MailAccountState& account)
{
    return !account.Site.isEmpty();
}

bool failed(const MailAccountState& account)
{
    return !account.Failure.isEmpty();
}

qsizetype countOf(const std::array<MailAccountState, 3>& accounts, bool (*test)(const MailAccountState&))
{
    return std::count_if(accounts.begin(), accounts.end(), test);
}

QString newMailLine(const MailAccountState& account)
{
    return QStringLiteral("Your E-Mail Box at ") + account.Site.toUpper() + QStringLiteral(" has")
        + numberForm(account.Unread)
        + (account.Unread > 1 ? QStringLiteral(" unread messages.") : QStringLiteral(" unread message."))
        + QStringLiteral("\r\n");
}

QString failureLine(int number, const MailAccountState& account)
{
    return QStringLiteral("Account %1 (%2) could not be checked: %3.\r\n")
        .arg(number)
        .arg(account.Site, account.Failure);
}

} // namespace

QString mailFailureReason(Pop3Status status)
{
    switch (status) {
    case Pop3Status::BadAddress:
        return QStringLiteral("the server's address is not valid");
    case Pop3Status::CannotConnect:
        return QStringLiteral("the server could not be reached");
    case Pop3Status::TimedOut:
        return QStringLiteral("no answer from the server");
    case Pop3Status::TlsFailed:
        return QStringLiteral("the secure connection failed");
    case Pop3Status::ConnectionLost:
        return QStringLiteral("the server closed the connection");
    case Pop3Status::ServerRefused:
        return QStringLiteral("the server refused the log-in");
    case Pop3Status::ProtocolError:
        return QStringLiteral("the server's answer was not understood");
    case Pop3Status::BadCredentials:
        return QStringLiteral("the user name or password cannot be sent");
    case Pop3Status::Cancelled:
        return QStringLiteral("the check was cancelled");
    case Pop3Status::TooLarge:
        return QStringLiteral("the mailbox is too large to check");
    case Pop3Status::Connected:
    case Pop3Status::NotConnected:
        break;
    }
    return QStringLiteral("the mailbox was not available");
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
    if (countOf(accounts, inUse) == 0)
        return kNoAccount + QStringLiteral("\r\nSet one up in Corvane Options, on the Internet tab.");
    QString report;
    for (int n = 0; n < 3; ++n) {
        const MailAccountState& account = accounts[n];
        if (account.Unread != 0)
            report += newMailLine(account);
        if (failed(account))
            report += failureLine(n + 1, account);
    }
    return report.isEmpty() ? QStringLiteral("At this time there is no new E-Mail.") : report;
}

qsizetype uncheckedAccounts(const std::array<MailAccountState, 3>& accounts)
{
    return countOf(accounts, failed);
}

QString mailCheckStatusText(const std::array<MailAccountState, 3>& accounts)
{
    const qsizetype used = countOf(accounts, inUse);
    const qsizetype unchecked = countOf(accounts, failed);
    if (used == 0)
        return kNoAccount;
    if (unchecked == 0)
        return QStringLiteral("E-Mail Site Check Completed.");
    if (unchecked == used)
        return QStringLiteral("No E-Mail site could be checked.");
    return QStringLiteral("E-Mail Site Check Incomplete: %1 of %2 sites could not be checked.")
        .arg(unchecked)
        .arg(used);
}
