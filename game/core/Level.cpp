#include "game/core/Level.h"

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "common/formats/LevelFile.h"
#include "game/core/Effects.h"

namespace orbo {
namespace {

void copyGridToStrip(Game& game, int offset) {
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) game.scrollStrip.set(col, offset + row, game.tileMap.at(col, row));
}

}  // namespace

std::filesystem::path programPath(const Game& game, const std::filesystem::path& relative) {
    return resolveProgramPath(game.platform.programDir, relative);
}

void loadLevel(Game& game) {
    const auto file = game.session.levelFile.empty() ? programPath(game, program_files::levelFile(game.progress.level))
                                                     : game.session.levelFile;
    std::error_code error;
    const auto rows = std::filesystem::is_regular_file(file, error) ? readLevelFile(file) : std::nullopt;
    if (!rows) {
        game.platform.messages.show(FileNotFoundText + displayPath(file), MessageIcon::Critical);
        game.session.quit = true;
        return;
    }
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) {
            const std::int32_t code = (*rows)[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
            // Codes past Kettle cannot be drawn or refilled: the game plays them as Empty.
            game.tileMap.set(col, row, code <= Kettle ? code : Empty);
        }
    }
    for (int cop = FirstCopSlot; cop <= LastCopSlot; ++cop) game.carrying[static_cast<std::size_t>(cop)] = false;
    for (auto& hole : game.holeTable) hole.openedAt = 0;
}

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

void scrollToNextLevel(Game& game) {
    int offset = ScrollStrip::LeftLevelRow;
    for (int pass = 0; pass < 2; ++pass) {
        copyGridToStrip(game, offset);
        offset = ScrollStrip::EnteredLevelRow;
        loadLevel(game);
    }
    if (game.levelChangeView) game.levelChangeView->showLevelChange(game);
}

}  // namespace orbo
