#pragma once
#include <functional>

// Waiting never sleeps: it lets pending window events run and tests again,
// bounded by a monotonic clock.

// Lets the events that are pending now run once.
void DoEvents();

// Lets events run until the condition holds or the seconds have passed;
// returns whether the condition held. Zero, negative or NaN seconds test the
// condition once; a huge or infinite number waits as good as for ever.
bool waitUntil(const std::function<bool()>& condition, double seconds);

// Lets events run for the given seconds.
void pauseLettingEventsRun(double seconds);
