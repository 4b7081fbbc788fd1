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
