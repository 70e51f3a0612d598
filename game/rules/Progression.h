// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"

// How a level is played out: the units' start cells, the hero's kettles, the
// level-cleared check and the move to the next level with its scroll. The
// chain from "the hero takes the last kettle" to "the next level starts" is
// this file's, top to bottom.
namespace orbo {

// The hero and both cops back on their start cells.
void placeUnits(Game& game);

// A cop back on its start cell; its picture starts a row below and glides up
// into the cell before the cop's next step.
void sendCopBack(Game& game, int cop);

// The hero takes the kettle of his cell. True when that cleared the level.
bool takeKettle(Game& game);

// After the hero took a kettle: with none left on the field or carried, scores
// the level and moves on to the next one. True when it did.
bool checkLevelCleared(Game& game);

// The next level (wrapping after the last), shown by the level change view,
// with the units on their start cells.
void advanceLevel(Game& game);

}  // namespace orbo
