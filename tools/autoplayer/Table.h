#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/autoplayer/Planner.h"

namespace orbo::autoplay {

// One level's plans: the recorded one (dumb cops, first seed) and more seeds
// with dumb and with smart cops.
struct LevelFigures {
    int level = 0;
    std::string idea;
    std::vector<Plan> dumb;
    std::vector<Plan> smart;
};

// Level ideas from a text file of lines "N idea"; missing levels have none.
std::map<int, std::string> readIdeas(const std::string& file);

// The Markdown table of docs/levels.md.
std::string levelsTable(const std::vector<LevelFigures>& levels, const std::string& command);

}  // namespace orbo::autoplay
