// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/Judge.h"

#include <algorithm>
#include <cstdlib>

#include "tools/autoplayer/Distance.h"
#include "tools/autoplayer/Moves.h"

namespace orbo::autoplay {
namespace {

constexpr double LifeWeight = 100000.0;
constexpr double KettleWeight = 1000.0;
constexpr double DistanceWeight = 20.0;
constexpr double LureWeight = 5.0;
constexpr double DangerWeight = 15.0;
constexpr double PassWeight = 0.02;
// Cops nearer than this many cells count as danger.
constexpr int DangerCells = 3;

// A cop drops a kettle it carries only now and then, and only while it keeps
// moving over empty cells; the hero keeps it moving by staying near it, best in
// its row: a cop above or below him stands still and takes its kettle again.
constexpr int RowLure = 3;
int lureDistance(const Game& game) {
    const Unit& hero = game.units[HeroSlot];
    int distance = 0;
    for (int cop = 1; cop <= 2; ++cop) {
        if (!game.carrying[static_cast<std::size_t>(cop)]) continue;
        const Unit& unit = game.units[static_cast<std::size_t>(cop)];
        distance += std::abs(unit.col - hero.col) + RowLure * std::abs(unit.row - hero.row);
    }
    return distance;
}

}  // namespace

int kettlesLeft(const Game& game) {
    int kettles = 0;
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) kettles += game.tileMap.at(col, row) == Kettle ? 1 : 0;
    return kettles + game.carrying[1] + game.carrying[2];
}

double judge(const Game& game, int passes, int livesLost) {
    const int danger = std::max(0, DangerCells - copDistance(game));
    return LifeWeight * livesLost + KettleWeight * kettlesLeft(game) + DistanceWeight * kettleDistance(game) +
           LureWeight * lureDistance(game) + DangerWeight * danger * danger + PassWeight * passes;
}

}  // namespace orbo::autoplay
