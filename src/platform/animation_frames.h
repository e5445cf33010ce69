#pragma once
#include <QList>
#include <QPixmap>

// Frames of the program's small animations, drawn in code at the asked size
// (square, transparent background). The windows play them in a loop.

// Busy indicator shown while a page is being fetched: a ring of dots with a
// bright head running round it; 12 frames.
QList<QPixmap> busyFrames(int size = 16);

// Anemometer of the compact window: three cups on arms turning about a mast;
// 12 frames, one full turn of 120 degrees (the cups look alike).
QList<QPixmap> anemometerFrames(int size = 32);

// Sunshine of the compact window: a sun whose rays turn and pulse; 12 frames.
QList<QPixmap> sunshineFrames(int size = 32);
