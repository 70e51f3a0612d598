// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/rules/Progression.h"

#include "game/core/Effects.h"
#include "game/core/Level.h"

namespace orbo {
namespace {

void copyGridToStrip(Game& game, int offset) {
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) game.scrollStrip.set(col, offset + row, game.tileMap.at(col, row));
}

// The level left goes into the strip's lower rows, the level entered (read
// twice, as the game always did) into its upper rows; the view slides it.
void scrollToNextLevel(Game& game) {
    int offset = ScrollStrip::LeftLevelRow;
    for (int pass = 0; pass < 2; ++pass) {
        copyGridToStrip(game, offset);
        offset = ScrollStrip::EnteredLevelRow;
        loadLevel(game);
    }
    if (game.levelChangeView) game.levelChangeView->showLevelChange(game);
}

}  // namespace

void placeUnits(Game& game) {
    Unit& hero = game.units[HeroSlot];
    hero.kind = UnitKind::Hero;
    hero.spriteSet = HeroSpriteSet;
    hero.col = HeroStartCell.col;
    hero.row = HeroStartCell.row;
    hero.x = static_cast<double>(CellWidth) * HeroStartCell.col;
    hero.y = static_cast<double>(CellHeight) * HeroStartCell.row;
    hero.phase = 0;
    hero.dirX = 0;
    hero.dirY = 0;
    for (int cop = FirstCopSlot; cop <= LastCopSlot; ++cop) {
        Unit& unit = game.units[static_cast<std::size_t>(cop)];
        unit.kind = UnitKind::Cop;
        unit.spriteSet = CopSpriteSet;
        unit.phase = 0;
        sendCopBack(game, cop);
    }
}

void sendCopBack(Game& game, int cop) {
    Unit& unit = game.units[static_cast<std::size_t>(cop)];
    unit.col = CopStartCell.col;
    unit.row = CopStartCell.row;
    unit.x = static_cast<double>(CellWidth) * CopStartCell.col;
    unit.y = static_cast<double>(CellHeight) * (CopStartCell.row + 1);
}

bool takeKettle(Game& game) {
    const Unit& hero = game.units[HeroSlot];
    game.tileMap.set(hero.col, hero.row, Empty);
    game.progress.score += KettleScore;
    playEffect(game, Effect::KettleTaken);
    return checkLevelCleared(game);
}

bool checkLevelCleared(Game& game) {
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col)
            if (game.tileMap.at(col, row) == Kettle) return false;
    for (const bool carried : game.carrying)
        if (carried) return false;
    game.progress.score += LevelScore;
    advanceLevel(game);
    return true;
}

void advanceLevel(Game& game) {
    // A level played alone has no next one: moving on ends the session.
    if (!game.session.levelFile.empty()) {
        game.session.quit = true;
        return;
    }
    game.progress.level += 1;
    if (game.progress.level == game.session.levelCount) game.progress.level = 0;
    playEffect(game, Effect::LevelUp);
    scrollToNextLevel(game);
    placeUnits(game);
    loadLevel(game);
}

}  // namespace orbo
