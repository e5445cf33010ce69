#include "settings/connection.h"

#include "mainwindow/form1.h"
#include "mainwindow/forms.h"
#include "options/options_dialog.h"
#include "platform/dialup.h"
#include "platform/file_writes.h"
#include "platform/inet_control.h"
#include "platform/program_folder.h"
#include "platform/number_formats.h"
#include "platform/waits.h"
#include "settings/program_state.h"

#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <algorithm>

ConnectionSettings currentConnectionSettings()
{
    Form2& options = form2();
    ConnectionSettings settings;
    settings.timeout = program().InetTimeout;
    settings.accessOption = options.Option1[2]->isChecked() ? 2 : options.Option1[1]->isChecked() ? 1 : 0;
    settings.proxyServer = options.Text1[0]->text();
    settings.proxyPort = options.Text1[1]->text();
    settings.proxyUser = program().ProxyUserName;
    settings.proxyPassword = program().ProxyPwd;
    return settings;
}

void applyConnectionSettings(InetControl& Inet, const ConnectionSettings& settings)
{
    Inet.setRequestTimeout(settings.timeout);
    if (settings.accessOption == 2) {
        Inet.setProxy(settings.proxyServer);
        if (!settings.proxyPassword.isEmpty())
            Inet.setPassword(settings.proxyPassword);
        if (!settings.proxyUser.isEmpty())
            Inet.setUserName(settings.proxyUser);
        Inet.setAccessType(InetControl::icNamedProxy);
        // A port text without digits, or one out of range, gives port 0.
        const long long port = roundHalfEven(leadingNumber(settings.proxyPort));
        Inet.setRemotePort(port >= 0 && port <= 65535 ? static_cast<int>(port) : 0);
    } else {
        Inet.setAccessType(settings.accessOption == 1 ? InetControl::icUseDefault : InetControl::icDirect);
    }
}

void Set_Inet(InetControl& Inet)
{
    applyConnectionSettings(Inet, currentConnectionSettings());
}

QString dataFolder()
{
    return programPath(QStringLiteral("data"));
}

namespace {

// A plain file name that stays inside the data folder.
bool acceptableFileName(const QString& name)
{
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..")
        && !name.contains(QLatin1Char('/')) && !name.contains(QChar(0));
}

// What a request made with `request` on the control returns; nullopt when
// it failed, or when the server answered with an HTTP error status: its
// body is then the server's error page.
template <typename Page, typename Request>
std::optional<Page> pageOf(const InetControl& Inet, Request request)
{
    try {
        Page page = request();
        if (Inet.lastHttpStatus() >= 400)
            return std::nullopt;
        return page;
    } catch (const InetError&) {
        return std::nullopt;
    }
}

} // namespace

DownloadOutcome downloadToDataFolder(InetControl& Inet, const QString& URL, const QString& FileName)
{
    if (!acceptableFileName(FileName))
        return DownloadOutcome::NotFetched;
    const std::optional<QByteArray> bytes =
        pageOf<QByteArray>(Inet, [&] { return Inet.OpenURL(URL, InetControl::icByteArray); });
    if (!bytes)
        return DownloadOutcome::NotFetched;
    // Written beside and renamed over the old file: a shorter picture never
    // leaves the tail of a longer one behind, and a failed write leaves the
    // old file as it was.
    if (!QDir().mkpath(dataFolder()) || !writeFileSafely(QDir(dataFolder()).filePath(FileName), *bytes))
        return DownloadOutcome::NotWritten;
    return DownloadOutcome::Written;
}

DownloadOutcome Get_File(const QString& URL, const QString& FileName)
{
    InetControl& inet = *form1().Inet1;
    Set_Inet(inet);
    return downloadToDataFolder(inet, URL, FileName);
}

bool Is_Connected()
{
    return dialUpLinkActive();
}

bool dialEntry(const QString& Entry, double pauseSeconds)
{
    const QString entry = Entry.trimmed();
    program().RasEntryName = entry;
    if (!entry.isEmpty() && startLink(entry)) {
        pauseLettingEventsRun(std::max(0.0, pauseSeconds));
        forgetLinkState();
    }
    DoEvents();
    return true;
}

bool Dial(const QString& Entry)
{
    return dialEntry(Entry, leadingNumber(form2().Text6->text()));
}

bool Hang_Up()
{
    const auto links = activeLinks();
    if (!links)
        return false;
    const QString wanted = program().RasEntryName.trimmed();
    if (wanted.isEmpty())
        return false; // the program dialled nothing: nothing of its own to end
    bool ended = false;
    for (const ActiveLink& link : *links) {
        if (link.name.trimmed() != wanted)
            continue;
        program().RasResult = endLink(link);
        ended = ended || program().RasResult == 0;
    }
    forgetLinkState();
    return ended;
}

std::optional<QString> fetchText(InetControl& Inet, const QString& URL, const InetControl::RequestHeaders& headers)
{
    Set_Inet(Inet);
    return pageOf<QString>(Inet, [&] { return Inet.OpenURL(URL, headers); });
}

QString fetchTextOrEmpty(InetControl& Inet, const QString& URL, const InetControl::RequestHeaders& headers)
{
    return fetchText(Inet, URL, headers).value_or(QString());
}

QByteArray fetchBytesOrEmpty(InetControl& Inet, const QString& URL, const InetControl::RequestHeaders& headers)
{
    Set_Inet(Inet);
    return pageOf<QByteArray>(Inet, [&] { return Inet.OpenURL(URL, InetControl::icByteArray, headers); })
        .value_or(QByteArray());
}

QString Byte_String(const QByteArray& Bytes)
{
    const qsizetype zero = Bytes.indexOf('\0');
    return QString::fromLatin1(zero < 0 ? Bytes : Bytes.left(zero));
}
