#include "support/fake_nmcli.h"

#include "platform/dialup.h"
#include "platform/waits.h"

#include <QFile>

namespace {

void writeText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text);
}

const char kScript[] = R"SH(#!/bin/sh
here="$(dirname "$0")"
line=""
for a in "$@"; do line="$line[$a]"; done
echo "$line" >> "$here/calls.log"
case "$line" in
  *"[show][--active]"*)
    [ -f "$here/listing_fails" ] && exit 1
    [ -f "$here/active.txt" ] && cat "$here/active.txt"
    exit 0 ;;
  *"[down]"*)
    exit "$(cat "$here/down_exit" 2>/dev/null || echo 0)" ;;
esac
exit 0
)SH";

} // namespace

FakeNmcli::FakeNmcli() : savedPath_(qgetenv("PATH"))
{
    const QString script = file(QStringLiteral("nmcli"));
    writeText(script, kScript);
    QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("PATH", folder_.path().toUtf8() + ":" + savedPath_);
    forgetLinkState();
}

FakeNmcli::~FakeNmcli()
{
    qputenv("PATH", savedPath_);
    forgetLinkState();
}

QString FakeNmcli::file(const QString& name) const
{
    return folder_.path() + "/" + name;
}

void FakeNmcli::setActive(const QStringList& lines)
{
    writeText(file(QStringLiteral("active.txt")), lines.join('\n').toUtf8() + "\n");
    forgetLinkState();
}

void FakeNmcli::failListing()
{
    writeText(file(QStringLiteral("listing_fails")), "1");
    forgetLinkState();
}

void FakeNmcli::setDownExitCode(int code)
{
    writeText(file(QStringLiteral("down_exit")), QByteArray::number(code));
}

QStringList FakeNmcli::calls() const
{
    QFile log(file(QStringLiteral("calls.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split('\n', Qt::SkipEmptyParts);
}

bool FakeNmcli::waitForCall(const QString& call, double seconds) const
{
    return waitUntil([&] { return calls().contains(call); }, seconds);
}

NoNmcli::NoNmcli() : savedPath_(qgetenv("PATH"))
{
    qputenv("PATH", folder_.path().toUtf8());
    forgetLinkState();
}

NoNmcli::~NoNmcli()
{
    qputenv("PATH", savedPath_);
    forgetLinkState();
}
