// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "game/core/GameState.h"

namespace orbo {

// How long a dug hole stays open, in wall-clock milliseconds whatever the speed.
constexpr std::uint32_t HoleLifetimeMs = 7000;

// The hero shoots the turf diagonally below him to the left (-1) or right (+1).
void shoot(Game& game, ShotDirection direction);

// Registers a new hole in the first free entry of the hole table.
void openHole(Game& game, int col, int row);

// Closes the holes that are due, catching whoever is inside.
void refillHoles(Game& game);

}  // namespace orbo
