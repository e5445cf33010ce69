#pragma once
#include "mainwindow/form1.h"
#include "mainwindow/forms.h"

#include <QPointer>

// The one instance of a page window: created on first use, owned by the
// main window (so the main window's end takes it along), and unloaded when
// it closes, so that the next use starts from a fresh window.
template <typename Window>
class PageWindowSlot {
public:
    Window& instance()
    {
        if (!window_)
            window_ = new Window(&form1());
        return *window_;
    }
    bool loaded() const { return !window_.isNull(); }
    // Forgets the window and deletes it once its pending events have run.
    void unload(Window* window)
    {
        if (window_ == window)
            window_ = nullptr;
        window->deleteLater();
    }

private:
    QPointer<Window> window_;
};
