#include "platform/sound_player.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

SoundPlayer& SoundPlayer::instance()
{
    static SoundPlayer* player = new SoundPlayer();
    return *player;
}

void SoundPlayer::play(const QString& path)
{
    if (listener) {
        listener(path);
        return;
    }
    if (!QFileInfo(path).isFile())
        return;
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();
}
