// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "common/Grids.h"

// How soon the cops can be on the hero's start cell after a new life: both
// start on their own cell at every new life, so a level that lets them rush
// straight down costs lives the player can do nothing about.
namespace orbo::levelcheck {

// The least time the cops must need, at the default speed.
constexpr int CopGraceMs = 5000;
constexpr int DefaultSpeed = 2;

// The fewest milliseconds in which a cop starting on its start cell can step
// into the hero's start cell, moving by the game's own step and glide rules
// with its clocks at their fastest; nothing when it never can.
std::optional<int> copArrivalMs(const EditorGrid& level, int speed = DefaultSpeed);

// The fault to report when the cops can be there, arrivalMs after a new life,
// within CopGraceMs.
std::optional<std::string> copRushFault(std::optional<int> arrivalMs);

}  // namespace orbo::levelcheck
