#pragma once
#include <QObject>
#include <QString>
#include <functional>
#include <map>

class QSoundEffect;

// Plays wave files without waiting for them. A missing file, or a machine
// without a sound device, plays nothing and reports nothing.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    static SoundPlayer& instance();

    void play(const QString& path);

    // Tests: while set, receives every sound that would be played instead.
    std::function<void(const QString&)> listener;

private:
    SoundPlayer() = default;
    std::map<QString, QSoundEffect*> effects_;
};
