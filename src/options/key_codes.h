#pragma once

class QKeyEvent;

// The key code of a key event in the numbering the program has always shown
// (the code of the physical key: "A" is 65 with or without Shift, F1 is 112,
// the arrow keys 37-40, the keypad digits 96-105). Keys without such a code
// give 0.
int keyCodeOf(const QKeyEvent& event);
