#pragma once

// The quiz player's program-wide values: the choice made in the selection
// window, the attachment on show and the program
// folder. The windows read and write them directly; tests reset them.

#include <QString>

#include <array>

namespace player {

inline constexpr int kMaxTests = 16;

struct PlayerState {
    // Set by the selection window.
    int subjectCount = 0;
    int selectedSubjectCount = 0;
    int questionsPerSubject = 15;
    int courseIndex = 0;

    // The attachment the viewer shows.
    bool attachmentIsPicture = false;
    int attachmentOptionIndex = 0;

    QString programFolder;
};

PlayerState &state();
void resetState();

} // namespace player
