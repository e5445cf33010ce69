#pragma once
#include <QPixmap>

// The program's own pictures, drawn in code so they stay crisp at any size.

// Condition picture by number: 0-11 the day picture of each condition
// category, 20-31 the night pictures, 12 an unknown condition, 14 and 15 the
// two phases of the warning picture.
QPixmap conditionPicture(int number, int size = 32);

// Frames 0-3 of the new-mail animation; frame 1 is also the resting picture.
QPixmap mailFrame(int frame, int size = 32);
