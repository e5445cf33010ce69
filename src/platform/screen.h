#pragma once

class QRect;
class QWidget;

// The screen's area (a usual desktop size when there is no screen at all).
QRect screenArea();

// Places a window in the middle of the screen.
void centreOnScreen(QWidget* window);
