#pragma once
#include <QString>
#include <utility>
#include <vector>

class QAbstractButton;
class QLineEdit;
class QSlider;
class QWidget;

// The values that a window's check boxes, option buttons, text boxes and
// sliders have when it has just been built. Putting them back makes the
// window as a new one for a load that fills it again: a load step that
// cannot use its stored value then leaves the design value, not the last one.
// It belongs to the window, whose controls outlive it.
class DesignValues {
public:
    void take(const QWidget& window);
    // The buttons go back with their signals blocked, as they were set while
    // the window was built, before its handlers were connected.
    void restore() const;

private:
    std::vector<std::pair<QAbstractButton*, bool>> checks_;
    std::vector<std::pair<QLineEdit*, QString>> texts_;
    std::vector<std::pair<QSlider*, int>> sliders_;
};
