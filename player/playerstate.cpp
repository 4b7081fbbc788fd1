// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "playerstate.h"

namespace player {

PlayerState &state()
{
    static PlayerState instance;
    return instance;
}

void resetState()
{
    state() = PlayerState();
}

} // namespace player
