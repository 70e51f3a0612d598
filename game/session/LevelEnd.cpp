// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/session/LevelEnd.h"

#include <string>

#include "game/presentation/Presentation.h"

namespace orbo {
namespace {

constexpr std::uint32_t ShownMs = 2000;
constexpr std::uint32_t KeyLookMs = 10;
constexpr std::uint32_t BandColour = 0x000000;
constexpr std::uint32_t TextColour = 0xFFFFFF;
// A dark band across the middle of the field, the text on it.
constexpr int BandTop = 340;
constexpr int BandHeight = 60;
constexpr int TextX = 320;
constexpr int TextY = 360;

std::string endText(const Game& game, LevelEnd end) {
    switch (end) {
        case LevelEnd::Cleared: return "Этаж пройден! Счет: " + std::to_string(game.progress.score);
        case LevelEnd::LivesLost: return "Все жизни потеряны, игра окончена.";
        case LevelEnd::Left: return "Игра прервана клавишей Esc.";
        case LevelEnd::Skipped: return "Этаж пропущен.";
        default: return {};
    }
}

// Keys already down when the text came up count only once they have been let go.
void waitForKey(Platform& platform, std::uint32_t limitMs) {
    const std::uint32_t start = platform.clock.tickCount();
    KeyState held{};
    platform.events.pumpMessages();
    platform.keyboard.readState(held);
    while (elapsedMs(platform.clock.tickCount(), start) < limitMs) {
        platform.clock.sleep(KeyLookMs);
        platform.events.pumpMessages();
        KeyState now{};
        if (!platform.keyboard.readState(now)) continue;
        for (std::size_t key = 0; key < now.size(); ++key) {
            if (now[key] != 0 && held[key] == 0) return;
            held[key] = now[key];
        }
    }
}

}  // namespace

LevelEnd levelEndAfterPass(const Game& game, const GameProgress& before) {
    if (game.progress.canContinue) return LevelEnd::Left;
    // Losing the last life gives the next game its lives afresh.
    if (game.progress.lives > before.lives) return LevelEnd::LivesLost;
    // Nothing but clearing the level scores that much in one pass.
    if (game.progress.score >= before.score + LevelScore) return LevelEnd::Cleared;
    return LevelEnd::Skipped;
}

bool showLevelEnd(Game& game, LevelEnd end) {
    Display& display = game.platform.display;
    drawFrame(game);
    display.setForeColor(BandColour);
    display.setDrawWidth(BandHeight);
    display.drawLine(0, BandTop + BandHeight / 2, FieldColumns * CellWidth, BandTop + BandHeight / 2);
    display.setForeColor(TextColour);
    display.drawText(TextX, TextY, endText(game, end));
    if (!flipScreen(game)) return false;
    display.clearBackBuffer();
    waitForKey(game.platform, ShownMs);
    return true;
}

}  // namespace orbo
