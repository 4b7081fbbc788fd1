#include "wavplayer.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace player {

ui::DesktopPlatform::SoundPlayer wavPlayer()
{
    return [sound = QPointer<QSoundEffect>()](const QString &wavPath) mutable {
        if (!sound)
            sound = new QSoundEffect(QCoreApplication::instance());
        sound->stop();
        sound->setSource(QUrl::fromLocalFile(wavPath));
        sound->play();
    };
}

void installDesktopPlatform()
{
    auto desktop = std::make_unique<ui::DesktopPlatform>();
    desktop->setSoundPlayer(wavPlayer());
    ui::setPlatform(std::move(desktop));
}

} // namespace player
