// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "game/replay/Script.h"
#include "game/replay/Simulation.h"

namespace orbo::sim {

// A script played headless as orbo-sim plays it, recorded in memory: a
// recording like any other, which plays back on the real screen.
std::string recordScript(const std::vector<Command>& script, const SimOptions& options);

}  // namespace orbo::sim
