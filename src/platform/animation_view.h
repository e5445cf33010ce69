#pragma once
#include "platform/x11_frames.h"

#include <QList>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// Shows one frame of a list, centred, painted straight from the list. Moving
// to another frame repaints this widget alone, at once, and changes no size
// or layout, so a window can step it many times a second at little cost.
// An opaque view on an X server costs less still: the server keeps its
// frames and copies the next one in, and nothing is painted.
class AnimationView : public QWidget {
    Q_OBJECT
public:
    explicit AnimationView(QWidget* parent = nullptr);

    // Replaces the frames and shows the first.
    void setFrames(const QList<QPixmap>& frames);
    int frameCount() const { return static_cast<int>(frames_.size()); }
    int currentFrame() const { return current_; }
    // The frame shown now; a null picture when there are no frames.
    QPixmap currentPixmap() const { return frames_.value(current_); }

    // Shows the frame after the current one, the first after the last.
    void showNextFrame();

    // An opaque view paints its frames over its own background colour and
    // covers its whole area, so nothing beneath it is painted again when the
    // frame changes. For views on a plain background.
    void setOpaque(bool opaque);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void prepareFrames();
    // Where this view is in its window now.
    QRect placeInWindow() const;
    // Where a frame of this size is painted, in this widget.
    QRect frameRect(QSize size) const;
    // Has the X server copy the current frame into the window; false where
    // it can't, and the frame is to be painted.
    bool copyOnServer();

    QList<QPixmap> frames_;
    QList<QPixmap> painted_; // the frames as painted: over the background when opaque
    int current_ = 0;
    bool opaque_ = false;
    QRect paintedAt_;       // where in its window this view was last painted
    X11Frames onServer_;    // the painted frames, kept by the X server for one window
    WId refusedFor_ = 0;    // the window the server could not keep them for
    QPointer<QWindow> exposed_; // the window whose exposes bring the frame back
};
