#include "wavplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

#include <cstdio>

namespace player {

PlayWav loadSoundModule(const QString &folder)
{
    QLibrary module(QDir(folder).filePath(QString::fromLatin1(kSoundModule)));
    // The sound object lives on until the application goes.
    module.setLoadHints(QLibrary::PreventUnloadHint);
    return reinterpret_cast<PlayWav>(module.resolve("brenloqPlayWav"));
}

ui::DesktopPlatform::SoundPlayer wavPlayer()
{
    return [play = PlayWav(nullptr), looked = false](const QString &wavPath) mutable {
        if (!looked) {
            looked = true;
            const QString folder = QCoreApplication::applicationDirPath();
            play = loadSoundModule(folder);
            if (!play)
                std::fprintf(stderr, "%s\n",
                             qPrintable(QStringLiteral("No es troba el mòdul de so %1.so a %2: les proves no faran sons.")
                                            .arg(QString::fromLatin1(kSoundModule), QDir::toNativeSeparators(folder))));
        }
        if (play)
            play(wavPath);
    };
}

void installDesktopPlatform()
{
    auto desktop = std::make_unique<ui::DesktopPlatform>();
    desktop->setSoundPlayer(wavPlayer());
    ui::setPlatform(std::move(desktop));
}

} // namespace player
