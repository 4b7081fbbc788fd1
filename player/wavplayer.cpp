#include "wavplayer.h"

#include "ui/platform.h"

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
    return reinterpret_cast<PlayWav>(module.resolve("brenloqPlayWavData"));
}

bank::FileContent readSound(const QString &wavPath, const QString &programFolder)
{
    if (!bank::isInside(wavPath, programFolder))
        return {{}, bank::FileProblem::Missing};
    return bank::readFile(wavPath, bank::kMaxSoundFileBytes);
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
        if (!play)
            return;
        const bank::FileContent wav = readSound(wavPath, ui::platform().programFolder());
        if (wav.problem == bank::FileProblem::None)
            play(wav.bytes);
    };
}

void installDesktopPlatform()
{
    auto desktop = std::make_unique<ui::DesktopPlatform>();
    desktop->setSoundPlayer(wavPlayer());
    ui::setPlatform(std::move(desktop));
}

} // namespace player
