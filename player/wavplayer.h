#pragma once

#include "bank/readfile.h"
#include "ui/desktopplatform.h"

namespace player {

// The sound module's name beside the program, without its suffix.
inline constexpr char kSoundModule[] = "brenloq-sound";

// Plays a WAV file's bytes asynchronously.
using PlayWav = void (*)(const QByteArray &wav);

// The sound module's play function, loaded from `folder`; null when the
// module is not there or is not one.
PlayWav loadSoundModule(const QString &folder);

// A feedback sound read as every file of the program folder is: a regular
// file inside `programFolder`, at most kMaxSoundFileBytes (a FIFO left the
// player waiting for ever, a 600 MB WAV took as much memory).
bank::FileContent readSound(const QString &wavPath, const QString &programFolder);

// Plays the feedback sounds through the sound module beside the program,
// loaded on the first sound; without it the player is silent and says so
// once on the terminal.
ui::DesktopPlatform::SoundPlayer wavPlayer();

// The desktop platform with the player's sound, installed as the platform.
void installDesktopPlatform();

} // namespace player
