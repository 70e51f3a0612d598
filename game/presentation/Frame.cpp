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

void drawTiles(Game& game, double cellWidth, double cellHeight, const Rect& cell) {
    Display& display = game.platform.display;
    for (int row = 0; row < FieldRows; ++row) {
        for (int col = 0; col < FieldColumns; ++col) {
            const std::int32_t code = game.tileMap.at(col, row);
            if (code < 0 || code >= static_cast<int>(game.spriteSets.size())) continue;
            const Surface* tile = spriteFrame(game, code, game.spriteSets[static_cast<std::size_t>(code)].currentFrame);
            if (tile) display.drawSprite(roundHalfEven(col * cellWidth), roundHalfEven(row * cellHeight), *tile, cell);
        }
    }
}

void drawUnits(Game& game, const Rect& cell) {
    Display& display = game.platform.display;
    for (const Unit& unit : game.units) {
        if (unit.kind == UnitKind::Free) continue;
        const Surface* picture = spriteFrame(game, unit.spriteSet, unit.pose + unit.phase);
        if (picture) display.drawSprite(roundHalfEven(unit.x), roundHalfEven(unit.y), *picture, cell);
    }
}

void drawStatusLine(Game& game, double cellWidth, double cellHeight) {
    Display& display = game.platform.display;
    const int separatorY = roundHalfEven(FieldRows * cellHeight);
    display.setForeColor(LightRed);
    display.setDrawWidth(SeparatorWidth);
    display.drawLine(0, separatorY, roundHalfEven(FieldColumns * cellWidth), separatorY);

    // White stays in force for the texts drawn over the frame after it.
    display.setForeColor(BrightWhite);
    // 15.05 cell heights: 752.5, which rounds to 752.
    const int textY = roundHalfEven(cellHeight * 301 / 20);
    const GameProgress& progress = game.progress;
    display.drawText(roundHalfEven(cellWidth), textY, "Счет: " + std::to_string(progress.score));
    display.drawText(roundHalfEven(8 * cellWidth), textY, "Игроков: " + shortestForm(progress.lives));
    display.drawText(roundHalfEven(14 * cellWidth), textY, "Этаж: " + std::to_string(progress.level));
}

}  // namespace

void drawFrame(Game& game) {
    const double cellWidth = game.session.cellWidth;
    const double cellHeight = game.session.cellHeight;
    const Rect cell = makeRect(0, 0, roundHalfEven(cellWidth), roundHalfEven(cellHeight));
    drawTiles(game, cellWidth, cellHeight, cell);
    drawUnits(game, cell);
    drawStatusLine(game, cellWidth, cellHeight);
}

}  // namespace orbo
