#pragma once
#include <QByteArray>
#include <QFile>
#include <functional>
#include <optional>

// What `run` adds to the process's resident memory at its peak, in MB: the
// high-water mark, reset just before, less what was resident then. Nothing
// where the mark cannot be reset (Linux only).
inline std::optional<double> peakMemoryGrowthMegabytes(const std::function<void()>& run)
{
    const auto statusKilobytes = [](const QByteArray& name) -> qint64 {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return -1;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(name + ':'))
                return line.mid(name.size() + 1).trimmed().split(' ').first().toLongLong();
        }
        return -1;
    };
    QFile reset(QStringLiteral("/proc/self/clear_refs"));
    if (!reset.open(QIODevice::WriteOnly) || reset.write("5") != 1 || !reset.flush())
        return std::nullopt;
    const qint64 before = statusKilobytes("VmRSS");
    run();
    const qint64 peak = statusKilobytes("VmHWM");
    if (before < 0 || peak < 0)
        return std::nullopt;
    return (peak - before) / 1024.0;
}
