#include "platform/desktop.h"

#include "platform/user_dialogs.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace {
DesktopSeam& seam()
{
    static DesktopSeam instance;
    return instance;
}

// True when the desktop (or the test in its place) took the file or address.
bool handToDesktop(const QString& fileOrUrl)
{
    if (seam().open)
        return seam().open(fileOrUrl);
    const QUrl url = QFileInfo(fileOrUrl).isAbsolute() ? QUrl::fromLocalFile(fileOrUrl)
                                                      : QUrl::fromUserInput(fileOrUrl);
    return QDesktopServices::openUrl(url);
}
} // namespace

void openWithDefaultProgram(const QString& fileOrUrl)
{
    if (!handToDesktop(fileOrUrl))
        MsgBox(fileOrUrl + QStringLiteral("\r\ncould not be opened: the desktop has no program for it."),
               MsgButtons::Ok, MsgIcon::Exclamation);
}

bool startProgram(const QString& program, const QStringList& arguments)
{
    if (seam().start)
        return seam().start(program, arguments);
    return QProcess::startDetached(program, arguments);
}

void setDesktopSeam(DesktopSeam replacement)
{
    seam() = std::move(replacement);
}

void clearDesktopSeam()
{
    seam() = DesktopSeam{};
}
