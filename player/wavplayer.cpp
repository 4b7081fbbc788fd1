// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wavplayer.h"

#include "ui/platform.h"

#include <QCryptographicHash>
#include <QDir>
#include <QTemporaryFile>
#include <QCoreApplication>

#include <canberra.h>

#include <cstdio>

namespace player {

// The one sound the player has playing at a time, so that the next cuts it.
static constexpr uint32_t kFeedbackSoundId = 1;

bank::FileContent readSound(const QString &wavPath, const QString &programFolder)
{
    if (!bank::isInside(wavPath, programFolder))
        return {{}, bank::FileProblem::Missing};
    return bank::readFile(wavPath, bank::kMaxSoundFileBytes);
}

EventSound::EventSound() = default;

EventSound::~EventSound()
{
    if (context)
        ca_context_destroy(context);
}

QString EventSound::copyOf(const QByteArray &wav)
{
    const QByteArray key = QCryptographicHash::hash(wav, QCryptographicHash::Sha256);
    std::shared_ptr<QTemporaryFile> &copy = copies[key];
    if (!copy) {
        auto file = std::make_shared<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("brenloq-XXXXXX.wav")));
        if (!file->open() || file->write(wav) != wav.size() || !file->flush()) {
            copies.remove(key);
            return QString();
        }
        copy = std::move(file);
    }
    return copy->fileName();
}

bool EventSound::play(const QByteArray &wav)
{
    if (silent)
        return false;
    int result = CA_SUCCESS;
    if (!context) {
        result = ca_context_create(&context);
        if (result == CA_SUCCESS)
            ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "BRENLOQ", CA_PROP_APPLICATION_ID,
                                    "org.brenloq.Brenloq", static_cast<const char *>(nullptr));
        else
            context = nullptr;
    }
    const QString path = copyOf(wav);
    if (result == CA_SUCCESS && path.isEmpty())
        result = CA_ERROR_IO;
    if (result == CA_SUCCESS) {
        ca_context_cancel(context, kFeedbackSoundId);
        // Each copy is played once or twice: not worth the sound server's cache.
        result = ca_context_play(context, kFeedbackSoundId, CA_PROP_MEDIA_FILENAME,
                                 QFile::encodeName(path).constData(), CA_PROP_CANBERRA_CACHE_CONTROL,
                                 "never", static_cast<const char *>(nullptr));
    }
    if (result == CA_SUCCESS) {
        played = true;
    } else if (!played) {
        silent = true;
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("player", "No es poden fer sons (%1): les proves no faran sons.")
                                    .arg(QString::fromUtf8(ca_strerror(result)))));
    }
    return result == CA_SUCCESS;
}

ui::DesktopPlatform::SoundPlayer wavPlayer()
{
    return [sound = std::make_shared<EventSound>()](const QString &wavPath) {
        const bank::FileContent wav = readSound(wavPath, ui::platform().programFolder());
        if (wav.problem == bank::FileProblem::None)
            sound->play(wav.bytes);
    };
}

void installDesktopPlatform()
{
    auto desktop = std::make_unique<ui::DesktopPlatform>();
    desktop->setSoundPlayer(wavPlayer());
    ui::setPlatform(std::move(desktop));
}

} // namespace player
