// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "game/core/GameState.h"

namespace orbo {

// Tile of the cell at the unit's cell plus the offsets.
std::int32_t tileAt(const Game& game, int unit, int colOffset, int rowOffset);

// Whether the unit could enter the cell at its cell plus the offsets: inside the
// play field and neither Brick nor Turf.
bool canEnter(const Game& game, int unit, int colOffset, int rowOffset);

// One step decision of a unit at rest: walk, climb, fall or stop.
void stepUnit(Game& game, int unit);

// Slides every unit's picture towards its cell and flips every animation phase.
void glideUnits(Game& game);

// Ends a unit's motion; tile is the tile of its own cell.
void stopUnit(Game& game, int unit, std::int32_t tile);

// Picks the unit's pose from the tile it stands in; for the hero on a kettle this
// takes the kettle. True when that cleared the level.
bool updatePose(Game& game, int unit);

// Every unit's pose for the coming frame, the hero first. True when his kettle
// cleared the level: the level change has been shown and the others wait.
bool updatePoses(Game& game);

}  // namespace orbo
