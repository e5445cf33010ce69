#include "platform/animated_picture.h"

#include <QTimer>
#include <algorithm>

AnimatedPicture::AnimatedPicture(QWidget* parent) : QLabel(parent), timer_(new QTimer(this))
{
    setAlignment(Qt::AlignCenter);
    timer_->setInterval(delay_);
    connect(timer_, &QTimer::timeout, this, &AnimatedPicture::step);
}

void AnimatedPicture::setFrames(const QList<QPixmap>& frames)
{
    frames_ = frames;
    current_ = 0;
    if (frames_.isEmpty())
        clear();
    else
        showFrame(0);
    // One frame or none: nothing to animate, but the picture stays "playing"
    // so that new frames start moving at once.
    if (playing_ && frames_.size() > 1)
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
    if (frames_.size() > 1 && !timer_->isActive())
        timer_->start();
}

void AnimatedPicture::stop()
{
    playing_ = false;
    timer_->stop();
}

void AnimatedPicture::step()
{
    if (frames_.isEmpty())
        return;
    showFrame((current_ + 1) % frames_.size());
}

void AnimatedPicture::showFrame(int index)
{
    current_ = index;
    setPixmap(frames_.at(index));
}
