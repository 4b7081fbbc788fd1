// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The quiz player's one program-wide value: the program folder, which the
// start and selection windows read their files from. The test window and
// the windows it opens are given it. Tests reset it.

#include <QString>

namespace player {

struct PlayerState {
    QString programFolder;
};

PlayerState &state();
void resetState();

} // namespace player
