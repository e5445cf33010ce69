#pragma once
#include <QDateTime>
#include <QString>
#include <functional>

// The computer's clock. Setting it needs the right to set the system time;
// without it the system refuses and the clock stays as it was. Tests answer
// both in place of the real clock.

QDateTime systemNow();

// Sets the clock to the instant; false when the system refused.
bool setSystemClock(const QDateTime& instant);

struct SystemClockSeam {
    std::function<QDateTime()> now;
    std::function<bool(const QDateTime&)> set;
};
void setSystemClockSeam(SystemClockSeam seam);
void clearSystemClockSeam();
