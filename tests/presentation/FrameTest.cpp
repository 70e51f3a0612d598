#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <tuple>
#include <vector>

#include "game/core/ScreenSize.h"
#include "game/render/FrameComposer.h"
#include "game/render/PictureFile.h"
#include "game/render/PresentPath.h"
#include "game/render/ScreenScaler.h"
#include "game/render/SoftwareDisplay.h"
#include "game/render/TextSurfaces.h"

namespace orbo::sdl {
namespace {

const SDL_Rect WholeScreen{0, 0, ScreenWidth, ScreenHeight};

bool samePixels(const SDL_Surface& a, const SDL_Surface& b) {
    if (a.w != b.w || a.h != b.h || a.format->format != b.format->format) return false;
    const auto rowBytes = static_cast<std::size_t>(a.w * a.format->BytesPerPixel);
    for (int y = 0; y < a.h; ++y)
        if (std::memcmp(static_cast<const std::uint8_t*>(a.pixels) + y * a.pitch,
                        static_cast<const std::uint8_t*>(b.pixels) + y * b.pitch, rowBytes) != 0)
            return false;
    return true;
}

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

int area(const std::vector<SDL_Rect>& rects) {
    int total = 0;
    for (const SDL_Rect& r : rects) total += r.w * r.h;
    return total;
}

bool covers(const std::vector<SDL_Rect>& rects, const SDL_Rect& wanted) {
    SDL_Rect left = wanted;
    // Every pixel of wanted lies in one of the rectangles.
    for (int y = left.y; y < left.y + left.h; ++y)
        for (int x = left.x; x < left.x + left.w; ++x) {
            const SDL_Point p{x, y};
            bool inside = false;
            for (const SDL_Rect& r : rects) inside = inside || SDL_PointInRect(&p, &r);
            if (!inside) return false;
        }
    return true;
}

TEST(FrameComposer, AFlipRedrawsAndReportsOnlyWhatChangedAndTheFrameEqualsAFullRecomposition) {
    FrameComposer composer(ScreenWidth, ScreenHeight);
    ASSERT_TRUE(composer.ok());
    const UniqueSurface tile = sprite(0x07E0);
    const UniqueSurface hero = sprite(0xF800);
    const UniqueSurface full = makeSurface565(ScreenWidth, ScreenHeight);
    auto drawScene = [&](int heroX, Uint32 barColour) {
        DrawList& back = composer.back();
        back.clear();
        for (int row = 0; row < 15; ++row)
            for (int col = 0; col < 16; ++col) back.add(copyOf(tile.get(), col * 64, row * 50));
        back.add(copyOf(hero.get(), heroX, 300));
        DrawCommand bar;
        bar.to = {0, 748, 1024, 5};
        bar.pixel = barColour;
        back.add(bar);
    };
    auto flipAndCheck = [&] {
        std::vector<SDL_Rect> changed = composer.flip();
        FrameComposer::compose(composer.shown(), *full, WholeScreen);
        EXPECT_TRUE(samePixels(composer.frame(), *full)) << "the frame differs from a full recomposition";
        return changed;
    };

    drawScene(100, 0xF800);
    EXPECT_EQ(area(flipAndCheck()), ScreenWidth * ScreenHeight) << "the first frame changes everything";
    drawScene(100, 0xF800);
    EXPECT_TRUE(flipAndCheck().empty()) << "the same frame again";

    drawScene(110, 0xF800);
    const auto moved = flipAndCheck();
    EXPECT_TRUE(covers(moved, {100, 300, 74, 50}));
    EXPECT_LT(area(moved), 4 * 64 * 64) << "only the blocks under the old and new place";

    drawScene(110, 0x001F);
    const auto recoloured = flipAndCheck();
    EXPECT_TRUE(covers(recoloured, {0, 748, 1024, 5}));
    EXPECT_LE(area(recoloured), 1024 * 64);
}

TEST(FrameComposer, AFlipHandsBackTheFormerFramesStepsAndKeepsTheirPicturesAlive) {
    FrameComposer composer(ScreenWidth, ScreenHeight);
    UniqueSurface first = sprite(0x1234);
    composer.back().add(copyOf(first.get(), 0, 0));
    composer.flip();
    first.reset();  // the frame on show still holds the picture
    composer.back().add(copyOf(sprite(0x4321).get(), 0, 0));
    composer.flip();
    ASSERT_EQ(composer.back().commands().size(), 1u);
    const UniqueSurface full = makeSurface565(ScreenWidth, ScreenHeight);
    FrameComposer::compose(composer.back(), *full, WholeScreen);
    EXPECT_EQ(static_cast<const std::uint16_t*>(full->pixels)[10 * ScreenWidth + 10], 0x1234);
}

// The same drawing through SDL's software renderer, as the screen did it before.
UniqueSurface rendered(const std::function<void(SDL_Renderer*)>& draw) {
    UniqueSurface target = makeSurface565(ScreenWidth, ScreenHeight);
    const UniqueRenderer renderer(SDL_CreateSoftwareRenderer(target.get()));
    SDL_SetRenderDrawBlendMode(renderer.get(), SDL_BLENDMODE_NONE);
    draw(renderer.get());
    SDL_RenderFlush(renderer.get());
    return target;
}

TEST(ComposingDisplay, SlantedLinesAndTextsHaveTheSoftwareRenderersPixels) {
    SoftwareDisplay screen;
    ASSERT_TRUE(screen.open());
    const std::tuple<int, int, int, int> lines[] = {
        {10, 10, 300, 95}, {500, 700, 480, 20}, {-50, 400, 1100, 420}, {1000, 5, 900, 760}};
    screen.setForeColor(0x00FFFF);
    for (const auto& [x1, y1, x2, y2] : lines) screen.drawLine(x1, y1, x2, y2);
    screen.drawText(300, 330, "Игра остановлена, нажмите любую клавишу");
    screen.drawText(1000, 760, "FPS 60.0");
    ASSERT_TRUE(screen.flip());

    TextSurfaces texts;
    const UniqueSurface expected = rendered([&](SDL_Renderer* renderer) {
        SDL_SetRenderDrawColor(renderer, 255, 255, 0, 255);
        for (const auto& [x1, y1, x2, y2] : lines) SDL_RenderDrawLine(renderer, x1, y1, x2, y2);
        for (const auto& [x, y, text] :
             {std::tuple{300, 330, "Игра остановлена, нажмите любую клавишу"}, std::tuple{1000, 760, "FPS 60.0"}}) {
            SDL_Surface* glyphs = texts.get(text, {255, 255, 0, 255});
            ASSERT_TRUE(glyphs);
            const UniqueTexture texture(SDL_CreateTextureFromSurface(renderer, glyphs));
            const SDL_Rect to{x, y, glyphs->w, glyphs->h};
            SDL_RenderCopy(renderer, texture.get(), nullptr, &to);
        }
    });
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
            ASSERT_TRUE(samePixels(*byAreas, *whole)) << width << " x " << height << ", frame " << frame;
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
            EXPECT_TRUE(samePixels(*shown, *converted)) << width << " x " << height;
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
