// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"

namespace orbo::autoplay {

// Kettles still to take: on the field and carried by the cops.
int kettlesLeft(const Game& game);

// How far a moment of the game is from a cleared level, lower being better:
// lives lost outweigh everything, then every kettle still to take, then the way
// to the next one, cops too close and the time taken.
double judge(const Game& game, int passes, int livesLost);

}  // namespace orbo::autoplay
