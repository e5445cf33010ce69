#pragma once
#include <QPoint>
#include <QSize>
#include <QString>

class QWidget;

// Where a small display window opens. The store keeps its "Top" and "Left"
// in twips as text ("Blank" when there is none). A position that is missing,
// is no number the window system can hold, or would put the window past the
// right or bottom screen edge becomes the top right corner, and `corrected`
// tells the caller to store that corner at once. A position past the left or
// top edge stands.
struct WindowPlace {
    QPoint twips;
    bool corrected = false;
};
WindowPlace placeFromStore(const QString& top, const QString& left, QSize windowTwips, QSize screenTwips);

// Moves a window to the position stored in a section of the per-user store,
// storing the corrected position when it had to be corrected.
void restoreWindowPosition(QWidget& window, const QString& section);
// Stores a window's position (twips, text without blanks).
void storeWindowPosition(const QWidget& window, const QString& section);
