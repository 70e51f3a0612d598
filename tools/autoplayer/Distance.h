// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"

namespace orbo::autoplay {

// Returned when no kettle on the field can be reached.
constexpr int OutOfReach = 60;

// A rough count of moves from the hero's cell to the nearest kettle on the field
// (0 when none lies there), by walking, climbing, falling and digging down
// through turf. The planner's sense of direction; the game itself judges.
int kettleDistance(const Game& game);

}  // namespace orbo::autoplay
