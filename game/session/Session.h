#pragma once

#include "game/session/core/GameState.h"

namespace orbo {

// Runs one whole play session, a new game or the saved one, and returns when it
// is over. The caller sets canContinue and the settings beforehand.
void НачалоИгры(Game& game);

}  // namespace orbo
