#pragma once

#include "game/core/GameState.h"

namespace orbo {

// Flips the back buffer to the screen. A lost screen is reported and ends the
// session; the answer says whether the picture was shown.
bool flipScreen(Game& game);

}  // namespace orbo
