#pragma once

#include "ui/desktopplatform.h"

namespace player {

// Plays the feedback sounds asynchronously; a new sound cuts the one before
// short. The sound object belongs to the application, so it is gone before
// the multimedia library's own caches are.
ui::DesktopPlatform::SoundPlayer wavPlayer();

// The desktop platform with the player's sound, installed as the platform.
void installDesktopPlatform();

} // namespace player
