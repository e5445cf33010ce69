#pragma once
#include <functional>

// What a piece of work costs the process: its peak memory and how long window
// events had to wait while it ran. Linux only (/proc/self).

// What `run` adds to the resident memory at its peak, in MB: the high-water
// mark, reset just before, less what was resident then; -1 where the mark
// cannot be reset.
double peakGrowthMegabytes(const std::function<void()>& run);

struct Stretches {
    double whole = 0;   // ms
    double longest = 0; // ms without a window event
};

// How long `run` takes and the longest time in which it let no window event
// run, seen by a timer that asks to run every millisecond.
Stretches stretches(const std::function<void()>& run);
