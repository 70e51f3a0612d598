#pragma once

#include "game/core/GameState.h"

namespace orbo {

// Runs one whole play session, a new game or the saved one, and returns when it
// is over. The caller sets canContinue and the settings beforehand.
void playSession(Game& game);

}  // namespace orbo
