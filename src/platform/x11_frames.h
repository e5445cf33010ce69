#pragma once
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QtGui/qwindowdefs.h>
#include <cstdint>

// Pictures kept by the X server for one top-level window, any of which the
// server copies into that window on request. Showing one then costs a single
// small request: nothing is painted here and nothing waits for the server.
//
// Only for windows of 24-bit true colour on a server that stores such pixels
// in 32 bits in this machine's byte order, which is how Qt's windows are
// made on today's X servers. Elsewhere (no X server, other layouts) load()
// says no, and the caller paints as usual.
class X11Frames {
public:
    X11Frames() = default;
    X11Frames(const X11Frames&) = delete;
    X11Frames& operator=(const X11Frames&) = delete;
    ~X11Frames();

    // Sends the pictures to the server for the window, replacing any kept
    // before. False, with nothing kept, where that can't be done.
    bool load(WId window, const QList<QImage>& frames);
    bool loadedFor(WId window) const { return window_ != 0 && window_ == window; }

    // Copies a picture into the window, its top-left corner at the given
    // point of the window (in the window's own pixels).
    void show(int frame, QPoint at) const;

    // Frees what the server keeps.
    void clear();

private:
    struct Frame {
        std::uint32_t pixmap = 0;
        QSize size;
    };

    void* connection_ = nullptr; // the application's connection, while frames are kept
    WId window_ = 0;
    std::uint32_t gc_ = 0;
    QList<Frame> frames_;
};
