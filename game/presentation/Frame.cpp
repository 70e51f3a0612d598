// SPDX-License-Identifier: GPL-3.0-or-later
#include <charconv>
#include <string>

#include "game/core/Numbers.h"
#include "game/presentation/Presentation.h"

namespace orbo {
namespace {

// Colours as 0x00BBGGRR: the 16-colour palette's light red and bright white.
constexpr std::uint32_t LightRed = 0x0000FF;
constexpr std::uint32_t BrightWhite = 0xFFFFFF;
constexpr int SeparatorWidth = 5;

constexpr Rect WholeCell = makeRect(0, 0, CellWidth, CellHeight);
// The separator runs along the bottom of the play field.
constexpr int SeparatorY = FieldRows * CellHeight;
// The status texts stand 15.05 cell heights down: 752.5 pixels, which rounds (half to even) to 752.
const int StatusTextY = roundHalfEven(CellHeight * 1505 / 100.0);
// Score, lives and level start at these cell columns.
constexpr int ScoreTextColumn = 1;
constexpr int LivesTextColumn = 8;
constexpr int LevelTextColumn = 14;

const Surface* spriteFrame(const Game& game, std::int32_t set, std::int32_t frame) {
    if (set < 0 || set >= static_cast<int>(game.spriteSets.size())) return nullptr;
    const auto& frames = game.spriteSets[static_cast<std::size_t>(set)].frames;
    if (frame < 0 || frame >= static_cast<int>(frames.size())) return nullptr;
    return frames[static_cast<std::size_t>(frame)].get();
}

std::string shortestForm(float value) {
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    return std::string(digits, end);
}

void drawTiles(Game& game) {
    Display& display = game.platform.display;
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) {
            const std::int32_t code = game.tileMap.at(col, row);
            if (code < 0 || code >= static_cast<int>(game.spriteSets.size())) continue;
            const Surface* tile = spriteFrame(game, code, game.spriteSets[static_cast<std::size_t>(code)].currentFrame);
            if (tile) display.drawSprite(col * CellWidth, row * CellHeight, *tile, WholeCell);
        }
    }
}

void drawUnits(Game& game) {
    Display& display = game.platform.display;
    for (const Unit& unit : game.units) {
        if (unit.kind == UnitKind::Free) continue;
        const Surface* picture = spriteFrame(game, unit.spriteSet, unit.pose + unit.phase);
        if (picture) display.drawSprite(roundHalfEven(unit.x), roundHalfEven(unit.y), *picture, WholeCell);
    }
}

void drawStatusLine(Game& game) {
    Display& display = game.platform.display;
    display.setForeColor(LightRed);
    display.setDrawWidth(SeparatorWidth);
    display.drawLine(0, SeparatorY, FieldColumns * CellWidth, SeparatorY);

    // White stays in force for the texts drawn over the frame after it.
    display.setForeColor(BrightWhite);
    const GameProgress& progress = game.progress;
    display.drawText(ScoreTextColumn * CellWidth, StatusTextY, "Счет: " + std::to_string(progress.score));
    display.drawText(LivesTextColumn * CellWidth, StatusTextY, "Игроков: " + shortestForm(progress.lives));
    display.drawText(LevelTextColumn * CellWidth, StatusTextY, "Этаж: " + std::to_string(progress.level));
}

}  // namespace

void drawFrame(Game& game) {
    drawTiles(game);
    drawUnits(game);
    drawStatusLine(game);
}

}  // namespace orbo
