#pragma once

#include <cstdint>

#include "game/core/GameState.h"

namespace orbo {

// The hero takes the kettle of his cell. True when that cleared the level.
bool takeKettle(Game& game);

// A cop takes the kettle of its cell, or now and then drops the one it carries.
// tile is the tile of the cop's cell as its steering first read it.
void handleCopKettle(Game& game, int cop, std::int32_t tile);

// A cop in the hero's cell costs a life; both cops are tested.
void checkCapture(Game& game);

// One life less; the last one ends the game.
void loseLife(Game& game);

}  // namespace orbo
