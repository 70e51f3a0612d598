// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/presentation/Presentation.h"

namespace orbo {
namespace {

inline constexpr const char* PauseText = "Игра остановлена, нажмите любую клавишу для продолжения игры.";
constexpr int PauseTextX = 300;
constexpr int PauseTextY = 330;
// The top right corner.
constexpr int FrameRateX = 950;
constexpr int FrameRateY = 0;
constexpr int HelpLineHeight = 20;

}  // namespace

void drawPauseText(Game& game) { game.platform.display.drawText(PauseTextX, PauseTextY, PauseText); }

void drawFrameRate(Game& game) { drawFps(game, FrameRateX, FrameRateY); }

void drawHelp(Game& game) {
    int y = 0;
    for (const char* line : HelpLines) {
        game.platform.display.drawText(0, y, line);
        y += HelpLineHeight;
    }
}

}  // namespace orbo
