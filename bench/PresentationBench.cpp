// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "game/core/ScreenSize.h"
#include "game/headless/Machine.h"
#include "game/presentation/Presentation.h"
#include "game/render/ScreenScaler.h"
#include "game/render/SoftwareDisplay.h"
#include "game/rules/Progression.h"

namespace orbo {
namespace {

// The in-memory screen; the areas each flip changed stay readable.
class MemoryScreen : public sdl::SoftwareDisplay {
public:
    using SoftwareDisplay::composer;
    using SoftwareDisplay::lastChanges;
};

// The game on the in-memory screen with the built program's pictures, the rest
// of the machine headless, a level laid out with every kind of tile and a
// kettle, the hero and two cops.
struct ScreenGame {
    ScreenGame() : platform(machine.platformWith(&screen)), game(platform) {
        game.progress.lives = 10.0f;
        game.progress.score = 1230;
        screen.open();
        loadSprites(game);
        for (int row = 0; row < FieldRows; ++row)
            for (int col = 0; col < FieldColumns; ++col) game.tileMap.set(col, row, (row * 7 + col * 3) % 5);
        game.tileMap.set(9, 3, Kettle);
        placeUnits(game);
        game.units[1].x = 320.0;
        game.units[2].x = 768.0;
        game.units[2].y = 300.0;
    }
    // One pass's picture, as the session draws it: the frame, the flip, the clearing.
    const std::vector<SDL_Rect>& pass() {
        drawFrame(game);
        screen.flip();
        screen.clearBackBuffer();
        return screen.lastChanges();
    }
    // The units a few pixels on and the kettle one picture on, as in play.
    void move() {
        for (int slot = 0; slot < 3; ++slot) game.units[static_cast<std::size_t>(slot)].x += slot == 0 ? 4.0 : -4.0;
        advanceFrame(game, Kettle);
    }
    headless::Machine machine{ORBO_BIN_DIR};
    MemoryScreen screen;
    Platform platform;
    Game game;
};

void loadAllSprites(benchmark::State& state) {
    ScreenGame play;
    for (auto _ : state) benchmark::DoNotOptimize(loadSprites(play.game));
    state.SetLabel("140 surfaces from 89 files");
}
BENCHMARK(loadAllSprites)->Unit(benchmark::kMillisecond);

// The whole frame composed anew: 240 tiles, the hero and two cops, the separator
// and the status texts, as after the title or a level change.
void composeWholeFrame(benchmark::State& state) {
    ScreenGame play;
    for (auto _ : state) {
        play.pass();
        play.screen.composer().restart();
    }
}
BENCHMARK(composeWholeFrame)->Unit(benchmark::kMicrosecond);

// A pass in play: the units moved and the kettle turned.
void composeWalkingFrame(benchmark::State& state) {
    ScreenGame play;
    play.pass();
    for (auto _ : state) {
        play.move();
        play.pass();
    }
}
BENCHMARK(composeWalkingFrame)->Unit(benchmark::kMicrosecond);

// A paused pass with nothing changed on screen.
void composeStillFrame(benchmark::State& state) {
    ScreenGame play;
    play.pass();
    for (auto _ : state) play.pass();
}
BENCHMARK(composeStillFrame)->Unit(benchmark::kMicrosecond);

// The changed areas of a walking pass sent to an in-memory window surface of the
// given size, as the window's surface path does it; argument 0: the whole frame.
void presentToWindowSurface(benchmark::State& state) {
    ScreenGame play;
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const bool whole = state.range(2) != 0;
    const sdl::UniqueSurface window(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_XRGB8888));
    const sdl::ScreenScaler scaler(ScreenWidth, ScreenHeight, *window);
    play.pass();
    for (auto _ : state) {
        state.PauseTiming();
        play.move();
        const std::vector<SDL_Rect>& changed = play.pass();
        state.ResumeTiming();
        if (whole)
            scaler.copyAll(play.screen.composer().frame(), *window);
        else
            for (const SDL_Rect& area : changed) scaler.copy(play.screen.composer().frame(), *window, area);
        benchmark::ClobberMemory();
    }
    state.SetLabel(whole ? "whole frame" : "changed areas");
}
BENCHMARK(presentToWindowSurface)
    ->Args({1024, 768, 0})
    ->Args({1920, 1080, 0})
    ->Args({1024, 768, 1})
    ->Args({1920, 1080, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbo

BENCHMARK_MAIN();
