#pragma once
#include <QLabel>
#include <QList>
#include <QPixmap>

class QTimer;

// A picture that plays a list of frames in a loop: the busy indicator and the
// small windows' animations. It can be shown and hidden, started and stopped
// independently, carries a tool tip like any widget, and its frame delay sets
// the pace. A stopped picture keeps showing the frame it stopped on.
class AnimatedPicture : public QLabel {
    Q_OBJECT
public:
    static constexpr int kDefaultFrameDelay = 100;
    static constexpr int kShortestFrameDelay = 10;

    explicit AnimatedPicture(QWidget* parent = nullptr);

    // Replaces the frames and shows the first; a playing picture goes on
    // playing the new ones.
    void setFrames(const QList<QPixmap>& frames);
    int frameCount() const { return static_cast<int>(frames_.size()); }
    int currentFrame() const { return current_; }

    // Milliseconds each frame stays; values below 10 ms are taken as 10.
    void setFrameDelay(int milliseconds);
    int frameDelay() const { return delay_; }

    void play();
    void stop();
    bool isPlaying() const { return playing_; }

private:
    void step();
    void showFrame(int index);

    QList<QPixmap> frames_;
    int current_ = 0;
    int delay_ = kDefaultFrameDelay;
    bool playing_ = false;
    QTimer* timer_ = nullptr;
};
