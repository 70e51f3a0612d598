// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace orbo {

// Tile codes as stored in the grids and, one digit per cell, in level files.
enum TileKind : std::int32_t {
    Empty = 0,
    Brick = 1,
    Turf = 2,
    Ladder = 3,
    Bar = 4,
    Kettle = 5,
    Hole = 6,
};

constexpr bool isSolid(std::int32_t tile) { return tile == Brick || tile == Turf; }

}  // namespace orbo
