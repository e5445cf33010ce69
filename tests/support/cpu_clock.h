#pragma once
#include <QtGlobal>
#include <ctime>

// Processor time this thread has used, in milliseconds. Unlike the wall
// clock it does not run on while a busy machine gives the processor to other
// work, so a bound on it tells a slow algorithm from a loaded machine.
inline qint64 threadCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}
