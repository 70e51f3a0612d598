// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdlib>

#include "game/platform/WindowDisplay.h"
#include "game/render/ScreenScaler.h"
#include "tests/presentation/TestPictures.h"
#include "tests/support/TempDir.h"

namespace orbo::sdl {
namespace {

class OpenWindow : public WindowDisplay {
public:
    using ComposingDisplay::composer;
};

// Keyed copies, one clipped at the edge, and a wide line.
void compose(WindowDisplay& screen, const Surface& row, const Surface& quarters, int shift) {
    screen.clearBackBuffer();
    for (int i = 0; i < 40; ++i)
        screen.drawSprite((i * 37 + shift) % 1000, i * 53 % 760, i % 2 ? row : quarters, makeRect(0, 0, 64, 50));
    screen.drawSprite(-20, 740, quarters, makeRect(0, 0, 40, 30));
    screen.setForeColor(0x0000FF);
    screen.setDrawWidth(5);
    screen.drawLine(0, 750, 1024, 750);
}

bool showsFrame(OpenWindow& window) {
    SDL_Surface* shown = SDL_GetWindowSurface(window.window());
    if (!shown) return false;
    const UniqueSurface expected(SDL_CreateRGBSurfaceWithFormat(0, shown->w, shown->h, 32, shown->format->format));
    ScreenScaler(1024, 768, *shown).copyAll(window.composer().frame(), *expected);
    return test::samePixels(*shown, *expected);
}

// Under a virtual X server; skipped without one.
TEST(WindowDisplay, EitherPathShowsFramesAndTheWindowSurfaceHoldsTheWholeFrameAfterPartialUpdates) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
    const TempDir dir;
    test::writeBmp(dir.path() / "row.bmp", 5, 1, {{0, 0, 0}, {7, 3, 7}, {8, 0, 0}, {200, 100, 50}, {0, 0, 8}});
    test::writeBmp(dir.path() / "quarters.bmp", 2, 2, {{255, 0, 0}, {0, 0, 0}, {12, 200, 99}, {255, 255, 255}});
    for (const char* path : {"surface", "texture"}) {
        SDL_setenv(ScreenPathVariable, path, 1);
        OpenWindow window;
        ASSERT_TRUE(window.open()) << path << ": " << window.lastError();
        EXPECT_EQ(window.path(), std::string(path) == "surface" ? PresentPath::WindowSurface : PresentPath::Texture);
        const auto row = window.loadSurface(64, 50, 0, dir.path() / "row.bmp");
        const auto quarters = window.loadSurface(64, 50, 0, dir.path() / "quarters.bmp");
        ASSERT_TRUE(row && quarters);
        for (const int shift : {0, 0, 9, 30}) {
            compose(window, *row, *quarters, shift);
            ASSERT_TRUE(window.flip()) << path << ": " << window.lastError();
            if (window.path() == PresentPath::WindowSurface) {
                EXPECT_TRUE(showsFrame(window)) << "shift " << shift;
            }
        }
    }
    SDL_setenv(ScreenPathVariable, "", 1);
}

}  // namespace
}  // namespace orbo::sdl
