#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "game/core/GameState.h"

namespace orbo::sim {

// One line of the driver's output: the whole visible state of the game, and the
// effects played and messages shown since the previous line.
nlohmann::ordered_json traceLine(const Game& game, int session, int pass, const std::vector<int>& effects,
                                 const std::vector<std::string>& messages);

}  // namespace orbo::sim
