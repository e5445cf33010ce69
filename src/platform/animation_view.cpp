#include "platform/animation_view.h"

#include <QEvent>
#include <QPainter>
#include <QRegion>

AnimationView::AnimationView(QWidget* parent) : QWidget(parent) {}

void AnimationView::setFrames(const QList<QPixmap>& frames)
{
    frames_ = frames;
    current_ = 0;
    prepareFrames();
    updateGeometry();
    update();
}

void AnimationView::showNextFrame()
{
    if (frames_.size() < 2)
        return;
    current_ = (current_ + 1) % frames_.size();
    if (!isVisible())
        return;
    if (copyOnServer())
        return;
    // Where the X server can't copy it in, the frame is painted now rather
    // than at the next pass of the event loop: one paint and nothing else.
    // A view moved since its last paint may still wait for its layout (as
    // one just shown in place of another does): it is painted after that.
    if (placeInWindow() == paintedAt_)
        repaint();
    else
        update();
}

bool AnimationView::copyOnServer()
{
    QWidget* top = window();
    QWindow* handle = top->windowHandle();
    const QPixmap frame = painted_.value(current_);
    const QRect at = frameRect(frame.size());
    // The server's copy must be what a paint would give: an opaque frame,
    // whole in sight, with pixels as large as the window's, where the
    // window's picture holds this view (not where a layout still to run
    // will move it from).
    if (!opaque_ || !handle || !handle->isExposed() || handle->devicePixelRatio() != 1.0 ||
        frame.devicePixelRatio() != 1.0 || at.isEmpty() || !QRegion(at).subtracted(visibleRegion()).isEmpty() ||
        placeInWindow() != paintedAt_)
        return false;
    // The native window the window has now: Qt builds it anew when some of
    // the window's flags change, and the widget's own id may still name the
    // one destroyed. The frames kept for that one are dropped on loading.
    const WId id = handle->winId();
    if (!onServer_.loadedFor(id)) {
        if (id == refusedFor_)
            return false;
        QList<QImage> images;
        for (const QPixmap& painted : painted_)
            images.append(painted.toImage());
        if (!onServer_.load(id, images)) {
            refusedFor_ = id;
            return false;
        }
        // The window's own picture of this view, put back on the screen when
        // the window is uncovered, holds the frame last painted.
        if (exposed_ != handle) {
            if (exposed_)
                exposed_->removeEventFilter(this);
            exposed_ = handle;
            handle->installEventFilter(this);
        }
    }
    onServer_.show(current_, mapTo(top, at.topLeft()));
    return true;
}

bool AnimationView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == exposed_ && event->type() == QEvent::Expose) {
        // After the window has put its picture back: the current frame over it.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible())
                    copyOnServer();
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void AnimationView::setOpaque(bool opaque)
{
    opaque_ = opaque;
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
    prepareFrames();
    update();
}

void AnimationView::prepareFrames()
{
    onServer_.clear();
    refusedFor_ = 0;
    painted_ = frames_;
    if (!opaque_)
        return;
    const QColor background = palette().color(backgroundRole());
    for (QPixmap& frame : painted_) {
        QPixmap over(frame.size());
        over.setDevicePixelRatio(frame.devicePixelRatio());
        over.fill(background);
        QPainter(&over).drawPixmap(0, 0, frame);
        frame = over;
    }
}

QSize AnimationView::sizeHint() const
{
    return frames_.isEmpty() ? QSize() : frames_.first().deviceIndependentSize().toSize();
}

QRect AnimationView::placeInWindow() const
{
    return QRect(mapTo(window(), QPoint(0, 0)), size());
}

QRect AnimationView::frameRect(QSize size) const
{
    return QRect(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

void AnimationView::paintEvent(QPaintEvent*)
{
    paintedAt_ = placeInWindow();
    QPainter painter(this);
    const QPixmap frame = painted_.value(current_);
    const QRect at = frameRect(frame.deviceIndependentSize().toSize());
    if (opaque_ && !at.contains(rect()))
        painter.fillRect(rect(), palette().color(backgroundRole()));
    if (!frame.isNull())
        painter.drawPixmap(at.topLeft(), frame);
}

void AnimationView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        prepareFrames();
    QWidget::changeEvent(event);
}
