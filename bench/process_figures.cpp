#include "process_figures.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

// A figure of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when missing.
qint64 statusKilobytes(const QByteArray& name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

} // namespace

double peakGrowthMegabytes(const std::function<void()>& run)
{
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1 || !reset.flush()) {
        std::fprintf(stderr, "the peak memory cannot be reset here\n");
        return -1;
    }
    const qint64 before = statusKilobytes("VmRSS");
    run();
    return (statusKilobytes("VmHWM") - before) / 1024.0;
}

Stretches stretches(const std::function<void()>& run)
{
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer events;
    events.setTimerType(Qt::PreciseTimer);
    events.setInterval(1);
    QObject::connect(&events, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    events.start();
    clock.start();
    run();
    const qint64 whole = clock.nsecsElapsed();
    longest = std::max(longest, whole - last);
    return {whole / 1e6, longest / 1e6};
}
