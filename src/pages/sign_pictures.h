#pragma once
#include <QPixmap>

// The twelve pictures of the signs of the zodiac, drawn in code: the sign's
// symbol in white on a disc coloured by its element. `picture` numbers them
// 1 to 12 in alphabetical order of the sign names (1 Aquarius ... 12 Virgo);
// any other number gives an empty picture.
QPixmap signPicture(int picture, int size = 64);
