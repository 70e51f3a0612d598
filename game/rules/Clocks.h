// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"

namespace orbo {

// The glide clock (200 ms / speed) slides every unit; the step clock
// (400 ms / speed) steps the hero and each cop, a cop steering right after its
// own step. Each fires once more than its interval has passed since it last did.
void runClocks(Game& game);

}  // namespace orbo
