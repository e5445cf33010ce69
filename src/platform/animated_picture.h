#pragma once
#include "platform/animation_view.h"

class QTimer;

// A picture that plays a list of frames in a loop at its own pace: the busy
// indicators of the main and the storm windows. It can be shown and hidden, started and
// stopped independently, carries a tool tip like any widget, and its frame
// delay sets the pace. A stopped picture keeps showing the frame it stopped on.
class AnimatedPicture : public AnimationView {
    Q_OBJECT
public:
    static constexpr int kDefaultFrameDelay = 100;
    static constexpr int kShortestFrameDelay = 10;

    explicit AnimatedPicture(QWidget* parent = nullptr);

    // Replaces the frames and shows the first; a playing picture goes on
    // playing the new ones.
    void setFrames(const QList<QPixmap>& frames);

    // Milliseconds each frame stays; values below 10 ms are taken as 10.
    void setFrameDelay(int milliseconds);
    int frameDelay() const { return delay_; }

    void play();
    void stop();
    bool isPlaying() const { return playing_; }

private:
    int delay_ = kDefaultFrameDelay;
    bool playing_ = false;
    QTimer* timer_ = nullptr;
};
