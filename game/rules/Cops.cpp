// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rules/Cops.h"

#include "game/core/Effects.h"
#include "game/core/Numbers.h"
#include "game/rules/Movement.h"
#include "game/rules/Pickups.h"
#include "game/rules/Progression.h"

namespace orbo {
namespace {

constexpr int FirstCop = 1;
constexpr int SecondCop = 2;

int sign(int value) { return (value > 0) - (value < 0); }

bool isWalledIn(const Game& game, int cop) {
    return !canEnter(game, cop, 1, 0) && !canEnter(game, cop, -1, 0) && !canEnter(game, cop, 0, -1) &&
           !canEnter(game, cop, 0, 1);
}

// Cop 1 follows ladders and bars towards the hero, cop 2 drops towards him.
bool followPreference(Game& game, int cop, int hx, int vy, std::int32_t tile) {
    Unit& unit = game.units[static_cast<std::size_t>(cop)];
    if (cop == FirstCop) {
        if (vy != 0 && tile == Ladder && canEnter(game, cop, 0, vy)) {
            unit.dirY = vy;
            return true;
        }
        if (hx != 0 && tile == Bar && canEnter(game, cop, hx, 0)) {
            unit.dirX = hx;
            return true;
        }
    }
    if (cop == SecondCop && vy == 1 && canEnter(game, cop, 0, 1)) {
        unit.dirY = 1;
        return true;
    }
    return false;
}

}  // namespace

void steerCop(Game& game, int cop) {
    Unit& unit = game.units[static_cast<std::size_t>(cop)];
    const Unit& hero = game.units[HeroSlot];
    const bool smart = game.settings.smartCops;
    Random& random = game.platform.random;

    int hx = sign(hero.col - unit.col);
    const int vy = sign(hero.row - unit.row);
    // A smart cop under the hero sometimes turns aside rather than wait below him.
    if (smart && vy == -1 && hx == 0) hx = roundHalfEven(2.0 * random.next() - 1.0);

    unit.dirX = 0;
    unit.dirY = 0;
    const std::int32_t tile = tileAt(game, cop, 0, 0);
    // A cop sent back still takes or drops a kettle where it was stuck: the cell whose tile was read.
    const int col = unit.col;
    const int row = unit.row;

    if (smart && canEnter(game, cop, 0, 0) && isWalledIn(game, cop)) {
        sendCopBack(game, cop);
        playEffect(game, Effect::HoleClosed);
    }

    handleCopKettle(game, cop, tile, col, row);
    if (followPreference(game, cop, hx, vy, tile)) return;

    int vertical = roundHalfEven(random.next());
    if (smart) {
        if (cop == FirstCop && tileAt(game, cop, hx, 1) == Hole) hx = 0;
        if (vy == 0) vertical = 0;
        if (hx == 0) vertical = 1;
    }
    if (vertical == 0) {
        unit.dirX = hx;
        if (hx == 0) vertical = 1;
    }
    if (vertical == 1) unit.dirY = vy;
}

}  // namespace orbo
