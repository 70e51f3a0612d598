// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/autoplayer/Novice.h"
#include "tools/autoplayer/Planner.h"

namespace orbo::autoplay {

// One level's games over the seeds, with dumb and with smart cops: the
// planner's and the weaker player's.
struct LevelFigures {
    int level = 0;
    std::string idea;
    std::vector<Plan> dumb;
    std::vector<Plan> smart;
    std::vector<NoviceGame> noviceDumb;
    std::vector<NoviceGame> noviceSmart;
};

// Level ideas from a text file of lines "N idea"; missing levels have none.
std::map<int, std::string> readIdeas(const std::string& file);

// The level's difficulty: the weaker player's danger plus the planner's length.
double difficulty(const LevelFigures& level);

// A line for every level that is no harder than the one before it.
std::vector<std::string> outOfOrder(const std::vector<LevelFigures>& levels);

// The Markdown table of docs/levels.md.
std::string levelsTable(const std::vector<LevelFigures>& levels, const std::string& command);

}  // namespace orbo::autoplay
