// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/core/GameState.h"

namespace orbo::recording {

// Appends one trace line to `line`, without its line end: the whole visible
// state of the game as a JSON object at tick `now`, and the effects played and
// messages shown since the previous line. orbo-sim prints one for every pass or
// session; a recording ends every session with one. Written by hand, one reused
// buffer for every pass, since the trace of every pass is the driver's hot path.
void appendTraceLine(std::string& line, const Game& game, std::uint32_t now, int session, int pass,
                     const std::vector<int>& effects, const std::vector<std::string>& messages);

// What a session showed besides the game: the effects played, the messages shown.
struct SessionOutputs {
    std::vector<int> effects;
    std::vector<std::string> messages;
};

// The line a recording ends a session with: the game as the session left it,
// at the last tick it read, with everything the session played and showed.
std::string sessionEndLine(const Game& game, std::uint32_t lastTick, int session, int passes,
                           const SessionOutputs& outputs);

// Whether two session-end lines tell the same game. The messages are left out:
// they name the files of the machine they were shown on.
bool sameGame(std::string_view recorded, std::string_view replayed);

}  // namespace orbo::recording
