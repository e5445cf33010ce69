#include "platform/dialup.h"

#include "platform/text_files.h"
#include "platform/waits.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>

namespace {

constexpr double kNmcliAnswerSeconds = 10.0;
constexpr qint64 kLinkStateMemoryMs = 250;

QString nmcliPath()
{
    return QStandardPaths::findExecutable(QStringLiteral("nmcli"));
}

// Runs nmcli to its end, letting events run meanwhile; its exit code, or -1
// when it could not start, crashed or did not end in time.
int runNmcli(const QStringList& arguments, QByteArray* output = nullptr)
{
    const QString program = nmcliPath();
    if (program.isEmpty())
        return -1;
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.start();
    const bool ended = waitUntil([&process] { return process.state() == QProcess::NotRunning; },
                                 kNmcliAnswerSeconds);
    if (!ended) {
        process.kill();
        process.waitForFinished(1000);
        return -1;
    }
    if (process.error() == QProcess::FailedToStart || process.exitStatus() != QProcess::NormalExit)
        return -1;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitCode();
}

// Splits one terse line at its unescaped colons.
QStringList terseFields(const QString& line)
{
    QStringList fields;
    QString field;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('\\') && i + 1 < line.size()) {
            field += line[++i];
        } else if (c == QLatin1Char(':')) {
            fields << field;
            field.clear();
        } else {
            field += c;
        }
    }
    fields << field;
    return fields;
}

struct LinkStateMemory {
    QElapsedTimer taken;
    bool active = false;
};

LinkStateMemory& memory()
{
    static LinkStateMemory state;
    return state;
}

} // namespace

bool nmcliAvailable()
{
    return !nmcliPath().isEmpty();
}

QList<ActiveLink> parseActiveLinks(const QString& terseOutput)
{
    QList<ActiveLink> links;
    for (const QString& line : splitLines(terseOutput)) {
        if (line.isEmpty())
            continue;
        const QStringList fields = terseFields(line);
        ActiveLink link;
        link.name = fields.value(0);
        link.uuid = fields.value(1);
        link.type = fields.value(2);
        link.device = fields.value(3);
        links << link;
    }
    return links;
}

std::optional<QList<ActiveLink>> activeLinks()
{
    QByteArray output;
    if (runNmcli({QStringLiteral("-t"), QStringLiteral("-f"), QStringLiteral("NAME,UUID,TYPE,DEVICE"),
                  QStringLiteral("connection"), QStringLiteral("show"), QStringLiteral("--active")},
                 &output)
        != 0)
        return std::nullopt;
    return parseActiveLinks(QString::fromUtf8(output));
}

bool isDialUpKind(const QString& type)
{
    static const QStringList kinds{"ppp", "gsm", "cdma", "pppoe", "adsl", "serial"};
    return kinds.contains(type.trimmed().toLower());
}

bool dialUpLinkActive()
{
    LinkStateMemory& state = memory();
    if (state.taken.isValid() && state.taken.elapsed() < kLinkStateMemoryMs)
        return state.active;
    bool active = false;
    if (const auto links = activeLinks()) {
        for (const ActiveLink& link : *links)
            active = active || isDialUpKind(link.type);
    }
    state.active = active;
    state.taken.start();
    return active;
}

void forgetLinkState()
{
    memory().taken.invalidate();
}

bool startLink(const QString& entry)
{
    const QString program = nmcliPath();
    if (program.isEmpty() || entry.isEmpty())
        return false;
    return QProcess::startDetached(program, {QStringLiteral("connection"), QStringLiteral("up"),
                                             QStringLiteral("id"), entry});
}

int endLink(const ActiveLink& link)
{
    if (!link.uuid.isEmpty())
        return runNmcli({QStringLiteral("connection"), QStringLiteral("down"), QStringLiteral("uuid"), link.uuid});
    return runNmcli({QStringLiteral("connection"), QStringLiteral("down"), QStringLiteral("id"), link.name});
}
