#include "platform/waits.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace {

// Any wait longer than this (decades) is as good as for ever; the clamp
// keeps huge or endless values from overflowing the millisecond count.
constexpr double kLongestWaitSeconds = 1e9;

qint64 waitMilliseconds(double seconds)
{
    if (std::isnan(seconds) || seconds <= 0)
        return 0;
    return static_cast<qint64>(std::min(seconds, kLongestWaitSeconds) * 1000.0);
}

} // namespace

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool waitUntil(const std::function<bool()>& condition, double seconds)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = waitMilliseconds(seconds);
    for (;;) {
        DoEvents();
        if (condition && condition())
            return true;
        const qint64 left = limit - clock.elapsed();
        if (left <= 0)
            return false;
        // Wait for the next event, but never past a short step, so the
        // condition is tested again soon even when no event comes.
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(std::min<qint64>(left, 10)), &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void pauseLettingEventsRun(double seconds)
{
    waitUntil(nullptr, seconds);
}
