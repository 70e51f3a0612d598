// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "tools/autoplayer/Moves.h"
#include "tools/autoplayer/Playfield.h"

namespace orbo::autoplay {

// What clearing a level cost.
struct Figures {
    int passes = 0;
    int livesLost = 0;
    int holesDug = 0;
    int closestCall = 99;  // fewest cells between the hero and a cop
    // Where the game stood after the last pass.
    int score = 0;
    int lives = 0;
    int level = 0;
    // Of a search that failed: the kettles its best try left, and after how many moves.
    int kettlesLeft = 0;
    int kettlesCarried = 0;
    int moves = 0;
};

struct Plan {
    bool cleared = false;
    std::vector<Segment> script;
    Figures figures;
};

struct SearchOptions {
    int beamWidth = 48;
    int maxMoves = 600;
    // A search that has taken no kettle in this many moves gives up.
    int patience = 200;
};

// Searches for moves that clear the level: a beam search over moves, each one
// played from a saved game, judged by the kettles left, the way to the nearest
// one, the lives lost and the time taken.
Plan findPlan(const PlayOptions& options, const SearchOptions& search = {});

}  // namespace orbo::autoplay
