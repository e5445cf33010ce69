#pragma once
#include <QWidget>

class QTimer;

// The compact display window for the current station.
class Weather : public QWidget {
    Q_OBJECT
public:
    explicit Weather(QWidget* parent = nullptr);

    QTimer* Timer1 = nullptr; // animation step; its interval is a setting
};
