// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rules/Shots.h"

#include "game/core/Effects.h"
#include "game/rules/Movement.h"
#include "game/rules/Pickups.h"
#include "game/rules/Progression.h"

namespace orbo {
namespace {

bool isAt(const Unit& unit, const HoleRecord& hole) { return unit.col == hole.col && unit.row == hole.row; }

}  // namespace

void shoot(Game& game, ShotDirection direction) {
    const Unit& hero = game.units[HeroSlot];
    if (hero.row == FieldRows - 1 || direction == ShotDirection::None) return;
    const int col = hero.col + (direction == ShotDirection::Left ? -1 : 1);
    // Left of column 0 there is nothing to shoot at.
    if (col < 0) return;
    const std::int32_t side = game.tileMap.at(col, hero.row);
    const std::int32_t below = game.tileMap.at(col, hero.row + 1);
    if ((side != Empty && side != Hole) || below != Turf) return;

    playEffect(game, Effect::Shot);
    game.shot.direction = direction;
    game.shot.shotCounter = 1;
    game.tileMap.set(col, hero.row + 1, Hole);
    openHole(game, col, hero.row + 1);
    stopUnit(game, HeroSlot, Empty);
}

void openHole(Game& game, int col, int row) {
    const std::uint32_t now = game.platform.clock.tickCount();
    for (HoleRecord& hole : game.holeTable) {
        if (hole.openedAt != 0) continue;
        // 0 marks a free entry; a hole dug at the instant the tick count wraps to 0 is
        // stamped a millisecond later rather than lost and never refilled.
        hole.openedAt = now != 0 ? now : 1;
        hole.col = col;
        hole.row = row;
        return;
    }
}

void refillHoles(Game& game) {
    for (HoleRecord& hole : game.holeTable) {
        if (hole.openedAt == 0) continue;
        if (elapsedMs(game.platform.clock.tickCount(), hole.openedAt) <= HoleLifetimeMs) continue;

        hole.openedAt = 0;
        game.tileMap.set(hole.col, hole.row, Turf);
        if (isAt(game.units[HeroSlot], hole)) {
            playEffect(game, Effect::HoleClosed);
            loseLife(game);
            return;
        }
        for (int cop = FirstCopSlot; cop <= LastCopSlot; ++cop) {
            if (!isAt(game.units[static_cast<std::size_t>(cop)], hole)) continue;
            sendCopBack(game, cop);
            playEffect(game, Effect::HoleClosed);
        }
    }
}

}  // namespace orbo
