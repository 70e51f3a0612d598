// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/Moves.h"

#include <algorithm>
#include <cstdlib>

#include "game/core/Effects.h"
#include "game/core/ScanCodes.h"

namespace orbo::autoplay {
namespace {

// A step comes every 13 passes at speed 2 and a cell takes at most three steps'
// worth of gliding; a walk that has not arrived by then is blocked.
constexpr int MaxWalkPasses = 60;
// About one step of the clock: the cops move once while the hero waits.
constexpr int WaitPasses = 13;

// A move ends early where the game ends, the level is cleared or a life is lost.
struct Watch {
    const Playfield& field;
    float lives = field.game().progress.lives;
    bool over() const {
        const Game& game = field.game();
        return game.session.quit || levelCleared(field) || game.progress.lives != lives;
    }
};

void append(std::vector<Segment>& script, int key) {
    if (!script.empty() && script.back().key == key)
        ++script.back().passes;
    else
        script.push_back({1, key});
}

// A cop this near, along rows and columns, is a close call.
constexpr int CloseCallCells = 1;

// Plays one pass and keeps the score of the close calls.
void pass(Playfield& field, int key, std::vector<Segment>& script, MoveResult& result) {
    const int before = copDistance(field.game());
    field.playPass(key);
    append(script, key);
    const int after = copDistance(field.game());
    result.closestCall = std::min(result.closestCall, after);
    if (after <= CloseCallCells && before > CloseCallCells) ++result.closeCalls;
}

int keyOf(Move move) {
    switch (move) {
        case Move::Left: return ScanCode::Left;
        case Move::Right: return ScanCode::Right;
        case Move::Up: return ScanCode::Up;
        case Move::Down: return ScanCode::Down;
        case Move::DigLeft: return ScanCode::Q;
        case Move::DigRight: return ScanCode::W;
        case Move::Wait: return NoKey;
    }
    return NoKey;
}

MoveResult walk(Playfield& field, Move move, std::vector<Segment>& script) {
    const Game& game = field.game();
    const Unit& hero = game.units[HeroSlot];
    const int col = hero.col;
    const int row = hero.row;
    const Watch watch{field};
    MoveResult result;
    for (int i = 0; i < MaxWalkPasses; ++i) {
        pass(field, keyOf(move), script, result);
        if (watch.over()) break;
        if (isAtRest(hero) && (hero.col != col || hero.row != row)) break;
    }
    result.done = watch.over() || hero.col != col || hero.row != row;
    return result;
}

// A shot is worth trying only where it digs: beside the hero empty, below that turf.
bool canDig(const Game& game, int direction) {
    const Unit& hero = game.units[HeroSlot];
    const int col = hero.col + direction;
    if (!isAtRest(hero) || hero.row >= FieldRows - 1 || col < 0 || col >= FieldColumns) return false;
    const std::int32_t side = game.tileMap.at(col, hero.row);
    return (side == Empty || side == Hole) && game.tileMap.at(col, hero.row + 1) == Turf;
}

// Stands still for a step: Up stops the hero anywhere but on a ladder.
MoveResult wait(Playfield& field, std::vector<Segment>& script) {
    const Game& game = field.game();
    const Watch watch{field};
    MoveResult result{true};
    const bool onLadder = game.tileMap.at(game.units[HeroSlot].col, game.units[HeroSlot].row) == Ladder;
    pass(field, onLadder ? NoKey : ScanCode::Up, script, result);
    for (int i = 1; i < WaitPasses && !watch.over(); ++i) pass(field, NoKey, script, result);
    return result;
}

MoveResult dig(Playfield& field, Move move, std::vector<Segment>& script) {
    const int direction = move == Move::DigLeft ? -1 : 1;
    if (!canDig(field.game(), direction)) return {};
    const Watch watch{field};
    MoveResult result{true};
    pass(field, keyOf(move), script, result);
    for (int i = 1; i < WaitPasses && !watch.over(); ++i) pass(field, NoKey, script, result);
    return result;
}

}  // namespace

std::string_view moveName(Move move) {
    switch (move) {
        case Move::Left: return "left";
        case Move::Right: return "right";
        case Move::Up: return "up";
        case Move::Down: return "down";
        case Move::DigLeft: return "dig left";
        case Move::DigRight: return "dig right";
        case Move::Wait: return "wait";
    }
    return "?";
}

bool levelCleared(const Playfield& field) { return field.effectCount(Effect::LevelUp) > 0; }

int copDistance(const Game& game) {
    const Unit& hero = game.units[HeroSlot];
    int closest = 99;
    for (int cop = 1; cop <= 2; ++cop) {
        const Unit& unit = game.units[static_cast<std::size_t>(cop)];
        closest = std::min(closest, std::abs(unit.col - hero.col) + std::abs(unit.row - hero.row));
    }
    return closest;
}

MoveResult playMove(Playfield& field, Move move, std::vector<Segment>& script) {
    switch (move) {
        case Move::DigLeft:
        case Move::DigRight: return dig(field, move, script);
        case Move::Wait: return wait(field, script);
        default: return walk(field, move, script);
    }
}

}  // namespace orbo::autoplay
