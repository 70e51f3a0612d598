// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "game/replay/Simulation.h"

namespace orbo::sim {

struct UsageError {
    std::string message;
};
struct HelpWanted {};

// orbo-sim's options, as its command line and a script's "# orbo-sim" line
// give them. Throws UsageError naming what is wrong, HelpWanted for --help.
SimOptions parseSimArguments(std::span<const std::string_view> arguments);

}  // namespace orbo::sim
