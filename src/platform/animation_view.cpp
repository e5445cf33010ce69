#include "platform/animation_view.h"

#include <QEvent>
#include <QPainter>

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
    // Painted now rather than at the next pass of the event loop: a frame
    // step then costs one paint and nothing else.
    if (isVisible())
        repaint();
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

void AnimationView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap frame = painted_.value(current_);
    const QSize size = frame.deviceIndependentSize().toSize();
    const QRect at(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
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
