// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rules/Pickups.h"

#include "game/core/Effects.h"
#include "game/core/Numbers.h"
#include "game/rules/Movement.h"
#include "game/rules/Progression.h"

namespace orbo {
namespace {

// A carrying cop drops its kettle when the draw lands on one value out of fifteen.
constexpr int DropChances = 15;
constexpr int DropValue = 2;

bool sameCell(const Unit& a, const Unit& b) { return a.col == b.col && a.row == b.row; }

}  // namespace

void handleCopKettle(Game& game, int cop, std::int32_t tile, int col, int row) {
    bool& carrying = game.carrying[static_cast<std::size_t>(cop)];
    if (tile == Kettle && !carrying) {
        playEffect(game, Effect::CopTakesKettle);
        carrying = true;
        game.tileMap.set(col, row, Empty);
    }
    const int draw = integerPart(static_cast<float>(DropChances) * game.platform.random.next());
    if (carrying && draw == DropValue && tile == Empty) {
        playEffect(game, Effect::CopDropsKettle);
        carrying = false;
        game.tileMap.set(col, row, Kettle);
    }
}

void checkCapture(Game& game) {
    for (int cop = FirstCopSlot; cop <= LastCopSlot; ++cop)
        if (sameCell(game.units[HeroSlot], game.units[static_cast<std::size_t>(cop)])) loseLife(game);
}

void loseLife(Game& game) {
    GameProgress& progress = game.progress;
    stopUnit(game, HeroSlot, Empty);
    progress.lives -= 1.0f;
    progress.score -= LifeLostPenalty;
    if (progress.score < 0) progress.score = 0;
    if (progress.lives != 0.0f) {
        playEffect(game, Effect::LifeLost);
        placeUnits(game);
        return;
    }
    progress.lives = LivesAtStart;
    progress.level = 0;
    progress.score = 0;
    progress.canContinue = false;
    game.session.quit = true;
}

}  // namespace orbo
