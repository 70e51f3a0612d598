// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/autoplayer/Playfield.h"

namespace orbo::autoplay {

extern const char* const Usage;

struct Arguments {
    PlayOptions play;
    std::optional<int> level;
    std::vector<bool> copModes{false, true};  // smartCops of each game; both by default
    int width = 48;
    int seeds = 3;
    bool novice = false;
    bool help = false;
    std::string record;
    std::string table;
    std::string ideas;
    std::string command;  // the options as given, for the table to say how it was made
};

struct UsageError {
    std::string message;
};

// Throws UsageError for an option it does not know or a value out of range.
Arguments parseArguments(int argc, const char* const* argv);

}  // namespace orbo::autoplay
