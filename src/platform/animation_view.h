#pragma once
#include <QList>
#include <QPixmap>
#include <QWidget>

// Shows one frame of a list, centred, painted straight from the list. Moving
// to another frame repaints this widget alone, at once, and changes no size
// or layout, so a window can step it many times a second at little cost.
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

private:
    void prepareFrames();

    QList<QPixmap> frames_;
    QList<QPixmap> painted_; // the frames as painted: over the background when opaque
    int current_ = 0;
    bool opaque_ = false;
};
