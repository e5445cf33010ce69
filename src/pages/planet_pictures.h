#pragma once
#include <QPixmap>

// The nine planets, drawn in code, from the Sun outwards: 0 Mercury, 1 Venus,
// 2 Earth, 3 Mars, 4 Jupiter, 5 Saturn, 6 Uranus, 7 Neptune, 8 Pluto. Any
// other number gives an empty picture.
QPixmap planetPicture(int planet, int size = 48);
