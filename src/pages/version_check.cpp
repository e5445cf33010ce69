#include "pages/version_check.h"

#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/home_page_files.h"
#include "pages/page_fetch.h"
#include "platform/desktop.h"
#include "platform/user_dialogs.h"
#include "platform/waits.h"

#include <QLabel>
#include <algorithm>
#include <optional>

namespace {

QString localVersion()
{
    return QStringLiteral("%1.%2.%3").arg(CORVANE_VERSION_MAJOR).arg(CORVANE_VERSION_MINOR).arg(CORVANE_VERSION_PATCH);
}

const QString kTitle = QStringLiteral("Verify Version");

// The version number at the start of a text ("1.8.0" of "1.8.0\r\nNew maps").
QString leadingVersion(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype end = 0;
    while (end < trimmed.size() && ((trimmed[end] >= u'0' && trimmed[end] <= u'9') || trimmed[end] == u'.'))
        ++end;
    return trimmed.left(end);
}

// Asks whether to open the home page, and opens it on Yes.
void offerHomePage(const QString& reply)
{
    const QString text = QStringLiteral("Your version is out of date!\r\nThe latest version is: ")
        + leadingVersion(reply) + QStringLiteral("\r\nWould you like to jump to the\r\nCorvane Home page?");
    if (MsgBox(text, MsgButtons::YesNo, MsgIcon::None, kTitle) == MsgResult::Yes && !programClosing())
        openWithDefaultProgram(about().Label4->text());
}

// The reply; nullopt when the program began to close meanwhile.
std::optional<QString> versionFileReply()
{
    const QString reply = Get_Version_File(about().Label4->text() + QStringLiteral("/version.nfo"));
    DoEvents();
    if (programClosing())
        return std::nullopt;
    return reply;
}

// The numbers of the version at the start of a text ("1.10.0 new maps"
// gives 1, 10, 0), without leading zeros; none when it starts otherwise.
QStringList versionNumbers(const QString& text)
{
    QStringList numbers = leadingVersion(text).split(QLatin1Char('.'));
    for (QString& number : numbers) {
        while (number.startsWith(QLatin1Char('0')))
            number.remove(0, 1);
    }
    return numbers;
}

// Compares two numbers written in decimal digits, however long.
int compareNumbers(const QString& a, const QString& b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

// Whether the version at the start of `announced` is newer than `running`,
// compared number by number (1.10.0 is newer than 1.9.9). Text that does
// not start with a version number announces nothing newer.
bool isNewerVersion(const QString& announced, const QString& running)
{
    const QStringList a = versionNumbers(announced);
    const QStringList r = versionNumbers(running);
    // A missing number counts as 0: 2.0 and 2.0.0 are the same version.
    for (qsizetype i = 0; i < std::max(a.size(), r.size()); ++i) {
        if (const int order = compareNumbers(a.value(i), r.value(i)))
            return order > 0;
    }
    return false;
}

bool startsWithVersionNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    return !trimmed.isEmpty() && trimmed[0] >= u'0' && trimmed[0] <= u'9';
}

} // namespace

VersionVerdict versionVerdict(const QString& reply, const QString& local)
{
    if (replyMissing(reply))
        return VersionVerdict::Missing;
    if (!startsWithVersionNumber(reply))
        return VersionVerdict::NoVersion;
    return isNewerVersion(reply, local) ? VersionVerdict::OutOfDate : VersionVerdict::UpToDate;
}

QString Get_Version_File(const QString& url)
{
    const QString reply = fetchPageStart(url, kVersionFileBytes).value_or(QStringLiteral("ERROR"));
    const bool read = !replyMissing(reply) && startsWithVersionNumber(reply);
    form1().setPanelText(1, read ? QStringLiteral("Version Test Completed") : QStringLiteral("Version Test Failed"));
    return reply;
}

void CVVersion_Click()
{
    const std::optional<QString> reply = versionFileReply();
    if (!reply)
        return;
    switch (versionVerdict(*reply, localVersion())) {
    case VersionVerdict::Missing:
        MsgBox(QStringLiteral("Site could not be reached at this time!"), MsgButtons::Ok, MsgIcon::None, kTitle);
        break;
    case VersionVerdict::NoVersion:
        MsgBox(QStringLiteral("The site's version file holds no version number!\r\nYour version could not be verified."),
               MsgButtons::Ok, MsgIcon::None, kTitle);
        break;
    case VersionVerdict::UpToDate:
        MsgBox(QStringLiteral("Your version is up-to-date!"), MsgButtons::Ok, MsgIcon::None, kTitle);
        break;
    case VersionVerdict::OutOfDate:
        offerHomePage(*reply);
        break;
    }
}

bool Auto_Version_Check()
{
    const std::optional<QString> reply = versionFileReply();
    if (reply && versionVerdict(*reply, localVersion()) == VersionVerdict::OutOfDate)
        offerHomePage(*reply);
    return true;
}
