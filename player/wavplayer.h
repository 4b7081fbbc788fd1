#pragma once

#include "ui/desktopplatform.h"

namespace player {

// The sound module's name beside the program, without its suffix.
inline constexpr char kSoundModule[] = "brenloq-sound";

// Plays a WAV file asynchronously.
using PlayWav = void (*)(const QString &wavPath);

// The sound module's play function, loaded from `folder`; null when the
// module is not there or is not one.
PlayWav loadSoundModule(const QString &folder);

// Plays the feedback sounds through the sound module beside the program,
// loaded on the first sound; without it the player is silent and says so
// once on the terminal.
ui::DesktopPlatform::SoundPlayer wavPlayer();

// The desktop platform with the player's sound, installed as the platform.
void installDesktopPlatform();

} // namespace player
