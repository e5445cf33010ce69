#include "platform/waits.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

void DoEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool waitUntil(const std::function<bool()>& condition, double seconds)
{
    QElapsedTimer clock;
    clock.start();
    const qint64 limit = static_cast<qint64>(std::max(0.0, seconds) * 1000.0);
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
