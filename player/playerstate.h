#pragma once

// The quiz player's program-wide values: the program folder and the
// attachment the viewer shows. Tests reset them.

#include "selection.h"

#include <QString>

#include <array>

namespace player {

struct PlayerState {
    // The attachment the viewer shows.
    bool attachmentIsPicture = false;
    int attachmentOptionIndex = 0;

    QString programFolder;
};

PlayerState &state();
void resetState();

} // namespace player
