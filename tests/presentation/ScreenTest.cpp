// SPDX-License-Identifier: GPL-3.0-or-later
#include <map>

#include "game/core/ScreenSize.h"
#include "game/platform/ScanCodes.h"
#include "game/render/FramePacer.h"
#include "game/render/SoftwareDisplay.h"
#include "tests/presentation/TestPictures.h"
#include "tests/support/TempDir.h"

namespace orbo {
namespace {

using namespace std::chrono_literals;
using test::Rgb;
using test::rgb565;

constexpr Rgb White{255, 255, 255};
constexpr Rgb Grey{128, 128, 128};
constexpr Rgb Green{0, 128, 0};
constexpr Rgb Blue{0, 0, 255};

// The in-memory screen, read back pixel by pixel.
class ScreenTest : public ::testing::Test {
protected:
    ScreenTest() { EXPECT_TRUE(screen.open()) << screen.lastError(); }

    // A picture file of width x height (see writeBmp) loaded at the size asked for.
    std::unique_ptr<Surface> load(int width, int height, std::initializer_list<Rgb> colours, int asWidth,
                                  int asHeight) {
        const auto file = dir.path() / ("picture" + std::to_string(++files) + ".bmp");
        test::writeBmp(file, width, height, colours);
        return screen.loadSurface(asWidth, asHeight, 0, file);
    }
    std::uint16_t at(int x, int y) { return screen.readBackBuffer().at(static_cast<std::size_t>(y * ScreenWidth + x)); }

    sdl::SoftwareDisplay screen;
    TempDir dir;
    int files = 0;
};

TEST_F(ScreenTest, AKeyedCopyLeavesOutExactlyThePixelsThatBecomeBlackIn16Bits) {
    const auto white = load(8, 1, {White}, 8, 1);
    // Black, three colours too dark for 16 bits, then the darkest red, green and blue that survive.
    const std::initializer_list<Rgb> darkest = {{0, 0, 0}, {7, 3, 7}, {7, 0, 0}, {0, 3, 0},
                                                {8, 0, 0}, {0, 4, 0}, {0, 0, 8}, Grey};
    const auto dark = load(8, 1, darkest, 8, 1);
    ASSERT_TRUE(white && dark);

    screen.drawSprite(10, 20, *white, makeRect(0, 0, 8, 1));
    screen.drawSprite(10, 20, *dark, makeRect(0, 0, 8, 1));

    std::vector<std::uint16_t> row;
    for (int x = 10; x <= 18; ++x) row.push_back(at(x, 20));
    const std::uint16_t w = rgb565(White);
    EXPECT_EQ(row, (std::vector<std::uint16_t>{w, w, w, w, 0x0800, 0x0020, 0x0001, rgb565(Grey), 0}));
}

TEST_F(ScreenTest, APictureOfAnySizeLoadsAtTheSizeAskedFor) {
    const auto shrunk = load(300, 200, {Grey}, 64, 50);
    ASSERT_TRUE(shrunk);
    EXPECT_EQ(std::make_pair(shrunk->width(), shrunk->height()), std::make_pair(64, 50));

    const auto title = load(2, 2, {{255, 0, 0}, Green, Blue, Grey}, ScreenWidth, ScreenHeight);
    ASSERT_TRUE(title);
    screen.drawSprite(0, 0, *title, makeRect(0, 0, ScreenWidth, ScreenHeight));
    EXPECT_EQ((std::vector{at(0, 0), at(1023, 0), at(0, 767), at(1023, 767)}),
              (std::vector{rgb565({255, 0, 0}), rgb565(Green), rgb565(Blue), rgb565(Grey)}));
}

TEST(ScanCodes, TheGamesKeysSetTheirCodesInTheKeyState) {
    const std::pair<SDL_Scancode, int> keys[] = {
        {SDL_SCANCODE_ESCAPE, 1},  {SDL_SCANCODE_1, 2},       {SDL_SCANCODE_0, 11},    {SDL_SCANCODE_MINUS, 12},
        {SDL_SCANCODE_EQUALS, 13}, {SDL_SCANCODE_Q, 16},      {SDL_SCANCODE_W, 17},    {SDL_SCANCODE_R, 19},
        {SDL_SCANCODE_P, 25},      {SDL_SCANCODE_F, 33},      {SDL_SCANCODE_F1, 59},   {SDL_SCANCODE_UP, 200},
        {SDL_SCANCODE_LEFT, 203},  {SDL_SCANCODE_RIGHT, 205}, {SDL_SCANCODE_DOWN, 208}};
    for (const auto& [key, code] : keys) {
        std::vector<std::uint8_t> held(SDL_NUM_SCANCODES, 0);
        held[key] = 1;
        held[SDL_SCANCODE_F24] = 1;  // a key without a code: the game does not see it
        KeyState state;
        state.fill(0x80);
        KeyState expected{};
        expected[static_cast<std::size_t>(code)] = 0x80;
        sdl::fillKeyState(held.data(), SDL_NUM_SCANCODES, state);
        EXPECT_EQ(state, expected) << SDL_GetScancodeName(key);
    }
}

TEST(ScanCodes, EveryKeyOfAPcKeyboardHasACodeOfItsOwn) {
    std::vector<int> keys = {SDL_SCANCODE_NONUSBACKSLASH, SDL_SCANCODE_APPLICATION};
    for (int key = SDL_SCANCODE_A; key <= SDL_SCANCODE_KP_PERIOD; ++key)
        if (key != SDL_SCANCODE_NONUSHASH) keys.push_back(key);  // another name of Backslash
    for (int key = SDL_SCANCODE_LCTRL; key <= SDL_SCANCODE_RGUI; ++key) keys.push_back(key);
    std::map<int, int> owner;
    for (const int key : keys) {
        const int code = sdl::gameScanCode(static_cast<SDL_Scancode>(key));
        const auto [first, fresh] = owner.emplace(code, key);
        EXPECT_TRUE(code != 0 && fresh) << SDL_GetScancodeName(static_cast<SDL_Scancode>(key)) << " has code " << code
                                        << " as has " << first->second;
    }
}

TEST(FramePacer, SleepsOnlyWhereTheDisplayDidNotWaitAndNeverRushesToCatchUp) {
    sdl::FramePacer pacer(50.0);
    // When each present came back, and the sleep before the next frame.
    const std::pair<std::chrono::nanoseconds, std::chrono::nanoseconds> presents[] = {
        {1000ms, 0ms},     // the first frame starts the count
        {1003ms, 17ms},    // back at once: sleep to the next refresh at 1020
        {1040ms, 0ms},     // the display waited for its refresh
        {1059700us, 0ms},  // the same, a little early
        {1500ms, 0ms},     // a stall
        {1502ms, 18ms},    // the next frame counts from the stall
        {1535ms, 5ms},     // a quick frame, though not so quick: sleep the rest of its refresh
    };
    for (const auto& [now, sleep] : presents) EXPECT_EQ(pacer.sleepAfterPresent(now), sleep) << now.count();
    EXPECT_EQ(sdl::FramePacer(0.0).period(), sdl::FramePacer(60.0).period()) << "an unknown refresh counts as 60 Hz";
}

// Below twice the picture it is scaled to fit; from twice on by whole steps (HiDPI).
TEST(FitPicture, TheScreenPictureKeepsItsShapeBetweenBlackBars) {
    const std::tuple<int, int, int, int> screens[] = {
        {1920, 1080, 240, 0}, {1280, 1024, 0, 32},    {1024, 768, 0, 0},     {800, 1200, 0, 300},
        {2048, 1536, 0, 0},   {3840, 2160, 896, 312}, {2560, 1600, 256, 32}, {3100, 2304, 14, 0}};
    for (const auto& [width, height, x, y] : screens) {
        const sdl::Placement p = sdl::fitPicture(width, height, 1024, 768);
        EXPECT_EQ(std::make_tuple(p.x, p.y, p.width, p.height), std::make_tuple(x, y, width - 2 * x, height - 2 * y));
    }
}

}  // namespace
}  // namespace orbo
