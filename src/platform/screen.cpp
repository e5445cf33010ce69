#include "platform/screen.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

QRect screenArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry() : QRect(0, 0, 1024, 768);
}

void centreOnScreen(QWidget* window)
{
    const QRect area = screenArea();
    window->move(area.x() + (area.width() - window->width()) / 2, area.y() + (area.height() - window->height()) / 2);
}
