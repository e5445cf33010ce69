#include "platform/desktop.h"

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
} // namespace

void openWithDefaultProgram(const QString& fileOrUrl)
{
    if (seam().open) {
        seam().open(fileOrUrl);
        return;
    }
    const QUrl url = QFileInfo(fileOrUrl).isAbsolute() ? QUrl::fromLocalFile(fileOrUrl)
                                                      : QUrl::fromUserInput(fileOrUrl);
    QDesktopServices::openUrl(url);
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
