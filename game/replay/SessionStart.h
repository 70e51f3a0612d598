// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"
#include "game/recording/Records.h"

namespace orbo::sim {

// Starts a session as `begin` says, on the settings the game has, and plays it
// to its end: what the menu, orbo --level, a script and a replay all do.
void playSessionAs(Game& game, const recording::SessionBegin& begin);

}  // namespace orbo::sim
