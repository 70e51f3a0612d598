// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/GameState.h"

namespace orbo {

// Sound effect slots, in the order their files are loaded.
namespace Effect {
constexpr int KettleTaken = 0;
constexpr int Shot = 1;
constexpr int LifeLost = 2;
constexpr int LevelUp = 3;
constexpr int HoleClosed = 4;  // also a stuck cop sent back
constexpr int CopTakesKettle = 5;
constexpr int CopDropsKettle = 6;
}  // namespace Effect

inline void playEffect(Game& game, int index) {
    if (game.settings.soundOn) game.platform.sound.play(index);
}

}  // namespace orbo
