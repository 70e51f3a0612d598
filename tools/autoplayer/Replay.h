// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "tools/autoplayer/Planner.h"

// Plans as orbo-sim scripts, and their proof through orbo-sim's own simulation.
namespace orbo::autoplay {

// The orbo-sim options a plan was made with, as its replay's first line gives them.
std::string simArguments(const PlayOptions& options);

// The file name of a level's replay: OrboN.txt against dumb cops, OrboN.smart.txt against smart ones.
std::string replayName(int level, bool smartCops);

// The replay file: the options line, the expected outcome, the figures and the script.
std::string replayText(const PlayOptions& options, const Plan& plan);

// How a played script left the game.
struct Outcome {
    int level = 0;
    int lives = 0;
    int score = 0;
};

// Plays a script through orbo-sim's simulation with the options; nothing when
// it cannot be read or the game ended early.
std::optional<Outcome> playScript(const PlayOptions& options, const std::string& script);

// Whether the outcome is the cleared level the plan promised.
bool keepsPromise(const Plan& plan, const Outcome& outcome);

}  // namespace orbo::autoplay
