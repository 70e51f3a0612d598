// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "game/core/ScreenSize.h"
#include "game/render/FrameComposer.h"
#include "game/render/PictureFile.h"
#include "game/render/PresentPath.h"
#include "game/render/ScreenScaler.h"
#include "game/render/SoftwareDisplay.h"
#include "tests/presentation/TestPictures.h"

namespace orbo::sdl {
namespace {

// A 64 x 50 keyed picture: a coloured square on black.
UniqueSurface sprite(std::uint16_t colour) {
    UniqueSurface picture = makeSurface565(64, 50);
    const SDL_Rect figure{8, 6, 48, 38};
    SDL_FillRect(picture.get(), &figure, colour);
    SDL_SetColorKey(picture.get(), SDL_TRUE, 0);
    return picture;
}

DrawCommand copyOf(SDL_Surface* picture, int x, int y) {
    DrawCommand copy;
    copy.kind = DrawCommand::Kind::KeyedCopy;
    copy.to = {x, y, picture->w, picture->h};
    copy.source = SurfaceRef(picture);
    return copy;
}

// The game draws only its straight separator, which the golden frames hold; a
// slanted line is plotted where SDL's software renderer plots it.
TEST(ComposingDisplay, SlantedLinesHaveTheSoftwareRenderersPixels) {
    SoftwareDisplay screen;
    ASSERT_TRUE(screen.open());
    const std::tuple<int, int, int, int> lines[] = {
        {10, 10, 300, 95}, {500, 700, 480, 20}, {-50, 400, 1100, 420}, {1000, 5, 900, 760}};
    screen.setForeColor(0x00FFFF);
    for (const auto& [x1, y1, x2, y2] : lines) screen.drawLine(x1, y1, x2, y2);
    ASSERT_TRUE(screen.flip());

    const UniqueSurface expected = makeSurface565(ScreenWidth, ScreenHeight);
    const UniqueRenderer renderer(SDL_CreateSoftwareRenderer(expected.get()));
    SDL_SetRenderDrawColor(renderer.get(), 255, 255, 0, 255);
    for (const auto& [x1, y1, x2, y2] : lines) SDL_RenderDrawLine(renderer.get(), x1, y1, x2, y2);
    SDL_RenderFlush(renderer.get());
    int differing = 0;
    for (int y = 0; y < ScreenHeight; ++y)
        for (int x = 0; x < ScreenWidth; ++x)
            differing += screen.shownPixel(x, y) !=
                         static_cast<const std::uint16_t*>(expected->pixels)[y * expected->pitch / 2 + x];
    EXPECT_EQ(differing, 0);
}

// A screen surface brought up to date by changed areas only equals one given every frame whole.
TEST(ScreenScaler, CopyingOnlyTheChangedAreasGivesTheWholeFramesPicture) {
    const UniqueSurface tile = sprite(0xFFE0);
    for (const auto& [width, height, format] :
         {std::tuple{1920, 1080, SDL_PIXELFORMAT_XRGB8888}, std::tuple{1024, 768, SDL_PIXELFORMAT_XRGB8888},
          std::tuple{1280, 1024, SDL_PIXELFORMAT_RGB565}, std::tuple{800, 600, SDL_PIXELFORMAT_ABGR8888}}) {
        const UniqueSurface byAreas(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, format));
        const UniqueSurface whole(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, format));
        const ScreenScaler scaler(ScreenWidth, ScreenHeight, *byAreas);
        ASSERT_TRUE(scaler.supported());
        FrameComposer composer(ScreenWidth, ScreenHeight);
        scaler.copyAll(composer.frame(), *byAreas);
        std::mt19937 random(static_cast<std::uint32_t>(width));
        for (int frame = 0; frame < 12; ++frame) {
            DrawList& back = composer.back();
            back.clear();
            for (int i = 0; i < 30; ++i)
                back.add(copyOf(tile.get(), static_cast<int>(random() % 1000), static_cast<int>(random() % 740)));
            for (const SDL_Rect& changed : composer.flip()) scaler.copy(composer.frame(), *byAreas, changed);
            scaler.copyAll(composer.frame(), *whole);
            ASSERT_TRUE(test::samePixels(*byAreas, *whole)) << width << " x " << height << ", frame " << frame;
        }
        const Placement& place = scaler.placement();
        EXPECT_EQ(place.width * ScreenHeight, place.height * ScreenWidth) << "the shape is kept";
        if (place.width == ScreenWidth) {
            // Unscaled, every pixel is SDL's own conversion of the frame's.
            const UniqueSurface converted(SDL_ConvertSurfaceFormat(&composer.frame(), format, 0));
            const SDL_Rect inside{place.x, place.y, place.width, place.height};
            const UniqueSurface shown(SDL_CreateRGBSurfaceWithFormat(0, place.width, place.height, 32, format));
            SDL_Rect origin{0, 0, place.width, place.height};
            SDL_BlitSurface(byAreas.get(), &inside, shown.get(), &origin);
            EXPECT_TRUE(test::samePixels(*shown, *converted)) << width << " x " << height;
        }
    }
}

TEST(PresentPath, ProcessorOnlyOpenGlTakesTheWindowSurfaceAndTheVariableForcesEitherPath) {
    const std::tuple<std::string_view, std::string_view, PresentPath> cases[] = {
        {"", "llvmpipe (LLVM 15.0.6, 256 bits)", PresentPath::WindowSurface},
        {"", "softpipe", PresentPath::WindowSurface},
        {"", "", PresentPath::WindowSurface},
        {"", "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", PresentPath::Texture},
        {"texture", "llvmpipe (LLVM 15.0.6, 256 bits)", PresentPath::Texture},
        {"surface", "NVIDIA GeForce RTX 3060/PCIe/SSE2", PresentPath::WindowSurface},
        {"gpu", "NVIDIA GeForce RTX 3060/PCIe/SSE2", PresentPath::Texture},
    };
    for (const auto& [forced, renderer, path] : cases)
        EXPECT_EQ(choosePresentPath(forced, renderer).path, path) << forced << " / " << renderer;
}

}  // namespace
}  // namespace orbo::sdl
