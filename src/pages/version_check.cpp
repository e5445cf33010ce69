#include "pages/version_check.h"

#include "mainwindow/about_window.h"
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "pages/home_page_files.h"
#include "pages/page_fetch.h"
#include "platform/desktop.h"
#include "platform/user_dialogs.h"
#include "platform/vb_numbers.h"
#include "platform/waits.h"

#include <QLabel>

namespace {

QString localVersion()
{
    return QStringLiteral("%1.%2.%3").arg(CORVANE_VERSION_MAJOR).arg(CORVANE_VERSION_MINOR).arg(CORVANE_VERSION_PATCH);
}

const QString kTitle = QStringLiteral("Verify Version");

// Asks whether to open the home page, and opens it on Yes.
void offerHomePage(const QString& reply)
{
    const QString text = QStringLiteral("Your version is out of date!\r\nThe latest version is: ") + reply
        + QStringLiteral("\r\nWould you like to jump to the\r\nCorvane Home page?");
    if (MsgBox(text, MsgButtons::YesNo, MsgIcon::None, kTitle) == MsgResult::Yes)
        openWithDefaultProgram(about().Label4->text());
}

QString versionFileReply()
{
    const QString reply = Get_Version_File(about().Label4->text() + QStringLiteral("/version.nfo"));
    DoEvents();
    return reply;
}

} // namespace

VersionVerdict versionVerdict(const QString& reply, const QString& local)
{
    if (replyMissing(reply))
        return VersionVerdict::Missing;
    QString digits = reply;
    digits.remove(QLatin1Char('.'));
    QString localDigits = local;
    localDigits.remove(QLatin1Char('.'));
    if (leadingNumber(digits) < leadingNumber(localDigits))
        return VersionVerdict::UpToDate;
    return reply.left(5) == local ? VersionVerdict::UpToDate : VersionVerdict::OutOfDate;
}

QString Get_Version_File(const QString& url)
{
    const QString reply = fetchPage(url).value_or(QStringLiteral("ERROR"));
    form1().setPanelText(1, QStringLiteral("Version Test Completed"));
    return reply;
}

void CVVersion_Click()
{
    const QString reply = versionFileReply();
    switch (versionVerdict(reply, localVersion())) {
    case VersionVerdict::Missing:
        MsgBox(QStringLiteral("Site could not be reached at this time!"), MsgButtons::Ok, MsgIcon::None, kTitle);
        break;
    case VersionVerdict::UpToDate:
        MsgBox(QStringLiteral("Your version is up-to-date!"), MsgButtons::Ok, MsgIcon::None, kTitle);
        break;
    case VersionVerdict::OutOfDate:
        offerHomePage(reply);
        break;
    }
}

bool Auto_Version_Check()
{
    const QString reply = versionFileReply();
    if (versionVerdict(reply, localVersion()) == VersionVerdict::OutOfDate)
        offerHomePage(reply);
    return true;
}
