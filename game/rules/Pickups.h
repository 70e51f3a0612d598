// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "game/core/GameState.h"

namespace orbo {

// A cop takes the kettle of cell (col, row), or now and then drops the one it
// carries there. tile is that cell's tile as the cop's steering first read it:
// the cell the cop stood on, also when it has been sent back from it since.
void handleCopKettle(Game& game, int cop, std::int32_t tile, int col, int row);

// A cop in the hero's cell costs a life; both cops are tested.
void checkCapture(Game& game);

// One life less; the last one ends the game.
void loseLife(Game& game);

}  // namespace orbo
