// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "bank/readfile.h"
#include "ui/desktopplatform.h"

#include <QHash>
#include <QString>

#include <memory>

class QTemporaryFile;
struct ca_context;

namespace player {

// A feedback sound read as every file of the program folder is: a regular
// file inside `programFolder`, at most kMaxSoundFileBytes (a FIFO left the
// player waiting for ever, a 600 MB WAV took as much memory).
bank::FileContent readSound(const QString &wavPath, const QString &programFolder);

// The feedback sounds through the desktop's event-sound library
// (libcanberra): a few small libraries instead of a multimedia stack, and its
// audio output (PulseAudio, PipeWire, ALSA) is opened only on the first sound.
class EventSound
{
public:
    EventSound();
    ~EventSound();
    EventSound(const EventSound &) = delete;
    EventSound &operator=(const EventSound &) = delete;

    // Plays the bytes of a WAV file asynchronously, cutting short the sound
    // before it; false, and a line on the terminal the first time, when
    // nothing can play (no sound card or sound server, as on a build
    // machine). When the very first sound fails the player stays silent:
    // each new try on a machine without audio only repeats the sound
    // system's complaints on the terminal.
    bool play(const QByteArray &wav);

    // The private copy the library plays: it only reads sounds by file name,
    // and must read the bytes the bounded reader read, not the file again
    // (it may have been swapped for a FIFO meanwhile). One copy for each
    // distinct sound, kept until the player ends; empty when it cannot be
    // written.
    QString copyOf(const QByteArray &wav);

private:
    ca_context *context = nullptr;
    bool played = false;
    bool silent = false;
    QHash<QByteArray, std::shared_ptr<QTemporaryFile>> copies;
};

// Plays the feedback sounds read from the program folder; silent, with one
// line on the terminal, where there is no audio.
ui::DesktopPlatform::SoundPlayer wavPlayer();

// The desktop platform with the player's sound, installed as the platform.
void installDesktopPlatform();

} // namespace player
