#include "game/core/Level.h"

#include <string>

#include "common/LevelFile.h"
#include "common/Paths.h"
#include "game/core/Effects.h"
#include "game/core/Screen.h"

namespace orbo {
namespace {

constexpr int ScrollStepMs = 50;

void copyGridToStrip(Game& game, int offset) {
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) game.scrollStrip.set(col, offset + row, game.tileMap.at(col, row));
}

void drawStrip(Game& game, int offset) {
    Display& display = game.platform.display;
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) {
            const std::int32_t code = game.scrollStrip.at(col, offset + row);
            if (code < 0 || code >= static_cast<int>(game.spriteSets.size())) continue;
            const auto& picture = game.spriteSets[static_cast<std::size_t>(code)].frames[0];
            if (picture) display.drawSprite(col * CellWidth, row * CellHeight, *picture, makeRect(0, 0, CellWidth, CellHeight));
        }
    }
}

}  // namespace

std::filesystem::path programPath(const Game& game, std::string_view relative) {
    return resolveProgramPath(game.platform.programDir, relative);
}

void loadLevel(Game& game) {
    const auto file = game.session.levelFile.empty()
                          ? programPath(game, "\\Этажи\\Orbo" + std::to_string(game.progress.level) + ".orb")
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
    game.carrying[1] = 0;
    game.carrying[2] = 0;
    for (auto& hole : game.holeTable) hole.openedAt = 0;
}

void placeUnits(Game& game) {
    Unit& hero = game.units[HeroSlot];
    hero.name = HeroName;
    hero.spriteSet = HeroSpriteSet;
    hero.col = 1;
    hero.row = 14;
    hero.x = 64.0;
    hero.y = 700.0;
    hero.phase = 0;
    hero.dirX = 0;
    hero.dirY = 0;
    for (int cop = 1; cop <= 2; ++cop) {
        Unit& unit = game.units[static_cast<std::size_t>(cop)];
        unit.name = CopName;
        unit.spriteSet = CopSpriteSet;
        unit.phase = 0;
        sendCopBack(game, cop);
    }
}

void sendCopBack(Game& game, int cop) {
    Unit& unit = game.units[static_cast<std::size_t>(cop)];
    unit.col = 1;
    unit.row = 0;
    unit.x = 64.0;
    unit.y = 50.0;
}

bool checkLevelCleared(Game& game) {
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col)
            if (game.tileMap.at(col, row) == Kettle) return false;
    for (const std::int32_t carried : game.carrying)
        if (carried != 0) return false;
    game.progress.score += 100;
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
    int offset = 16;
    for (int pass = 0; pass < 2; ++pass) {
        copyGridToStrip(game, offset);
        offset = 0;
        loadLevel(game);
    }
    Display& display = game.platform.display;
    for (offset = 16; offset >= 0; --offset) {
        drawStrip(game, offset);
        const bool shown = flipScreen(game);
        game.platform.clock.sleep(ScrollStepMs);
        display.clearBackBuffer();
        if (!shown) break;
    }
}

}  // namespace orbo
