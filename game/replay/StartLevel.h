// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"

namespace orbo::sim {

// Makes the next session a new game that starts on `level` rather than 0: the
// level is laid out and the units placed as a new game does, and handed to the
// session as the game to continue, with a new game's score and lives. Level 0
// is left to the session itself. False when the level cannot be read; that has
// been reported.
bool startAtLevel(Game& game, int level);

}  // namespace orbo::sim
