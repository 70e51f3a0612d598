// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "tools/autoplayer/Playfield.h"

// The planner's moves: short runs of passes with one key held, each ending
// where the hero stands still again, so that a search can string them together.
namespace orbo::autoplay {

enum class Move { Left, Right, Up, Down, DigLeft, DigRight, Wait };

inline constexpr std::array<Move, 7> AllMoves = {Move::Left,    Move::Right,    Move::Up,  Move::Down,
                                                 Move::DigLeft, Move::DigRight, Move::Wait};

std::string_view moveName(Move move);

// Passes with one key held (NoKey for none), as a script line says it.
struct Segment {
    int passes = 0;
    int key = NoKey;
};

// What a move did besides its passes.
struct MoveResult {
    bool done = false;     // false: the move was impossible here, and the playfield is not to be used
    int closestCall = 99;  // fewest cells between the hero and a cop after any of its passes
    int closeCalls = 0;    // times a cop came next to the hero (or onto him) from further away
};

// Plays the move on the playfield and appends its passes to `script`.
MoveResult playMove(Playfield& field, Move move, std::vector<Segment>& script);

// Whether the level has been cleared: the game may have started it again, as the
// only level of its folder.
bool levelCleared(const Playfield& field);

// Cells between the hero and the nearer cop, counted along rows and columns.
int copDistance(const Game& game);

}  // namespace orbo::autoplay
