// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "common/Grids.h"
#include "tools/levelcheck/LevelCheck.h"

namespace orbo {

// The level checker's verdict on the grid as it stands, the same one
// levelcheck gives its saved file.
levelcheck::Report checkGrid(const EditorGrid& grid);

// The verdict in one line for the level maker: the faults, how many kettles
// the hero cannot reach, and how soon the cops are at the hero's start.
QString checkLineText(const levelcheck::Report& report);

}  // namespace orbo
