#pragma once
#include <QByteArray>
#include <QSize>

// Pictures for tests, made in code.

// A still picture of the given size in a format Qt writes ("PNG", "JPG", "BMP").
QByteArray stillPicture(QSize size, const char* format);

// An animated GIF of the given size: `frames` frames of different colours,
// a tenth of a second each, looping.
QByteArray animatedGif(QSize size, int frames);
