// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"

namespace orbo {

// Chooses a cop's next intention from where the hero is (cop 1 or 2).
void steerCop(Game& game, int cop);

}  // namespace orbo
