#pragma once

#include <string>
#include <vector>

#include "game/core/GameState.h"

namespace orbo::sim {

// Appends one line of the driver's output to `line`, without its line end: the
// whole visible state of the game as a JSON object, and the effects played and
// messages shown since the previous line. Written by hand, one reused buffer for
// every pass, since the trace of every pass is the driver's hot path.
void appendTraceLine(std::string& line, const Game& game, int session, int pass, const std::vector<int>& effects,
                     const std::vector<std::string>& messages);

}  // namespace orbo::sim
