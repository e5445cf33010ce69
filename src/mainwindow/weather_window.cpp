#include "mainwindow/weather_window.h"

#include <QTimer>

Weather::Weather(QWidget* parent) : QWidget(parent, Qt::Tool)
{
    setWindowTitle(QStringLiteral("Corvane"));
    Timer1 = new QTimer(this);
    Timer1->setInterval(25);
}
