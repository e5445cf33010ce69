#pragma once
#include <QRect>
#include <QSizeF>

class QPixmap;
class QPrinter;

// Printing a picture window's picture as one page.

// The scale of print item Index: 0 "Print 200%" ... 7 "Print 25%"; 0 for
// any other index.
double printScale(int Index);

// The printed size of a picture of these pixels at item Index's scale, in
// inches (a pixel is 1/96 inch on paper, as on the screen).
QSizeF printedInches(QSize pixels, int Index);

// Prints the picture at item Index's scale at the top left of one page.
// Returns the rectangle painted, in the printer's device pixels; empty when
// the printer could not be used (nothing printed).
QRect printPicture(QPrinter& printer, const QPixmap& picture, int Index);
