// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"

namespace orbo {

// The options every run starts with, until "Окей" of the options dialog
// changes them: sound on, music off, dumb cops, speed 2.
void applyDefaultOptions(GameSettings& settings);

}  // namespace orbo
