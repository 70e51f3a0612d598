#include "game/rules/Pickups.h"

#include "game/rules/Movement.h"
#include "game/core/Effects.h"
#include "game/core/Level.h"
#include "game/core/Numbers.h"

namespace orbo {
namespace {

// A carrying cop drops its kettle when the draw lands on one value out of fifteen.
constexpr int DropChances = 15;
constexpr int DropValue = 2;

bool sameCell(const Unit& a, const Unit& b) { return a.col == b.col && a.row == b.row; }

}  // namespace

bool takeKettle(Game& game) {
    const Unit& hero = game.units[HeroSlot];
    game.tileMap.set(hero.col, hero.row, Empty);
    game.progress.score += 10;
    playEffect(game, Effect::KettleTaken);
    return checkLevelCleared(game);
}

void handleCopKettle(Game& game, int cop, std::int32_t tile, int col, int row) {
    std::int32_t& carrying = game.carrying[static_cast<std::size_t>(cop)];
    if (tile == Kettle && carrying == 0) {
        playEffect(game, Effect::CopTakesKettle);
        carrying = 1;
        game.tileMap.set(col, row, Empty);
    }
    const int draw = integerPart(static_cast<float>(DropChances) * game.platform.random.next());
    if (carrying == 1 && draw == DropValue && tile == Empty) {
        playEffect(game, Effect::CopDropsKettle);
        carrying = 0;
        game.tileMap.set(col, row, Kettle);
    }
}

void checkCapture(Game& game) {
    for (int cop = 1; cop <= 2; ++cop)
        if (sameCell(game.units[HeroSlot], game.units[static_cast<std::size_t>(cop)])) loseLife(game);
}

void loseLife(Game& game) {
    GameProgress& progress = game.progress;
    stopUnit(game, HeroSlot, Empty);
    progress.lives -= 1.0f;
    progress.score -= 10;
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
