#include "platform/animated_picture.h"

#include <QTimer>
#include <algorithm>

AnimatedPicture::AnimatedPicture(QWidget* parent) : AnimationView(parent), timer_(new QTimer(this))
{
    timer_->setInterval(delay_);
    connect(timer_, &QTimer::timeout, this, &AnimationView::showNextFrame);
}

void AnimatedPicture::setFrames(const QList<QPixmap>& frames)
{
    AnimationView::setFrames(frames);
    // One frame or none: nothing to animate, but the picture stays "playing"
    // so that new frames start moving at once.
    if (playing_ && frameCount() > 1)
        timer_->start();
    else
        timer_->stop();
}

void AnimatedPicture::setFrameDelay(int milliseconds)
{
    delay_ = std::max(milliseconds, kShortestFrameDelay);
    timer_->setInterval(delay_);
}

void AnimatedPicture::play()
{
    playing_ = true;
    if (frameCount() > 1 && !timer_->isActive())
        timer_->start();
}

void AnimatedPicture::stop()
{
    playing_ = false;
    timer_->stop();
}
