#include "platform/system_clock.h"

#include <ctime>

namespace {
SystemClockSeam& seam()
{
    static SystemClockSeam instance;
    return instance;
}
} // namespace

QDateTime systemNow()
{
    if (seam().now)
        return seam().now();
    return QDateTime::currentDateTime();
}

bool setSystemClock(const QDateTime& instant)
{
    if (seam().set)
        return seam().set(instant);
    if (!instant.isValid())
        return false;
    const qint64 milliseconds = instant.toMSecsSinceEpoch();
    timespec when{};
    when.tv_sec = static_cast<time_t>(milliseconds / 1000);
    when.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
    // Refused (EPERM) without the right to set the time.
    return clock_settime(CLOCK_REALTIME, &when) == 0;
}

void setSystemClockSeam(SystemClockSeam replacement)
{
    seam() = std::move(replacement);
}

void clearSystemClockSeam()
{
    seam() = SystemClockSeam{};
}
