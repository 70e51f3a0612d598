#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "game/presentation/Presentation.h"
#include "game/presentation/Sprites.h"
#include "game/presentation/sdl/SdlHandles.h"
#include "game/presentation/sdl/SoftwareDisplay.h"
#include "game/fakes/Fakes.h"
#include "tests/common/TempDir.h"

namespace orbo {
namespace {

// A program folder with every sprite picture of the game: 64 x 50, 24-bit, a
// coloured figure on black as the real sprites are.
class PictureFolder {
public:
    PictureFolder() {
        std::filesystem::create_directories(dir_.path() / "графика");
        std::mt19937 random(7);
        for (std::string name : spritePictureNames()) {
            name.erase(0, std::string("\\графика\\").size());
            const bool title = name == "Заставка.bmp";
            write(dir_.path() / "графика" / name, title ? 1024 : 64, title ? 768 : 50, random);
        }
    }
    const std::filesystem::path& path() const { return dir_.path(); }

private:
    static void write(const std::filesystem::path& file, int width, int height, std::mt19937& random) {
        const sdl::UniqueSurface picture(SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24));
        const SDL_Rect figure{width / 8, height / 8, width * 3 / 4, height * 3 / 4};
        SDL_FillRect(picture.get(), &figure, SDL_MapRGB(picture->format, random() & 0xFF, random() & 0xFF, 200));
        SDL_SaveBMP(picture.get(), file.c_str());
    }
    TempDir dir_;
};

// The game on the in-memory screen, the rest of the machine fake.
struct ScreenGame {
    explicit ScreenGame(const std::filesystem::path& programDir)
        : machine(programDir),
          platform{programDir,    machine.clock, machine.random,   machine.keyboard, screen,
                   machine.sound, machine.music, machine.messages, machine.events},
          game(platform) {
        game.session.cellWidth = 64.0f;
        game.session.cellHeight = 50.0f;
        game.progress.lives = 10.0f;
        game.progress.score = 1230;
        screen.open();
    }
    fake::Machine machine;
    sdl::SoftwareDisplay screen;
    Platform platform;
    Game game;
};

void loadAllSprites(benchmark::State& state) {
    const PictureFolder pictures;
    ScreenGame play(pictures.path());
    for (auto _ : state) benchmark::DoNotOptimize(loadSprites(play.game));
    state.SetLabel("140 surfaces from 89 files");
}
BENCHMARK(loadAllSprites)->Unit(benchmark::kMillisecond);

// One pass's picture: 240 tiles, the hero and two cops, the separator, the
// status texts, then the flip that hands the frame on and the clearing.
void composeFrame(benchmark::State& state) {
    const PictureFolder pictures;
    ScreenGame play(pictures.path());
    Game& game = play.game;
    loadSprites(game);
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) game.tileMap.set(col, row, (row * 7 + col * 3) % 5);
    game.tileMap.set(9, 3, Kettle);
    const std::pair<int, int> cells[3] = {{1, 14}, {5, 0}, {12, 6}};
    for (int slot = 0; slot < 3; ++slot) {
        Unit& unit = game.units[static_cast<std::size_t>(slot)];
        unit.name = slot == 0 ? HeroName : CopName;
        unit.spriteSet = slot == 0 ? HeroSpriteSet : CopSpriteSet;
        unit.col = cells[slot].first;
        unit.row = cells[slot].second;
        unit.x = unit.col * 64.0;
        unit.y = unit.row * 50.0;
        game.tileMap.set(unit.col, unit.row, Empty);
    }
    for (auto _ : state) {
        drawFrame(game);
        play.screen.flip();
        play.screen.clearBackBuffer();
        game.units[0].phase ^= 1;
    }
}
BENCHMARK(composeFrame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbo

BENCHMARK_MAIN();
