// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <SDL.h>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>

#include "common/Paths.h"
#include "game/core/ScanCodes.h"
#include "game/headless/Machine.h"
#include "game/platform/SdlEventPump.h"
#include "game/platform/VirtualPad.h"
#include "game/session/Session.h"
#include "tests/support/TempDir.h"

namespace orbo::sdl {
namespace {

using sdl::VirtualPad;

// The keys the session read, pass by pass.
class RecordingKeyboard : public KeyboardDevice {
public:
    explicit RecordingKeyboard(SdlKeyboard& keyboard) : keyboard_(keyboard) {}
    bool readState(KeyState& state) override {
        const bool read = keyboard_.readState(state);
        last = state;
        return read;
    }
    KeyState last{};

private:
    SdlKeyboard& keyboard_;
};

// The real play window, keyboard, pads and event pump on a virtual clock, in a
// program folder whose level keeps the cops boxed in their row and has turf to dig.
class PadSession : public ::testing::Test {
protected:
    void SetUp() override {
        const auto bin = executableFolder();
        if (!std::getenv("DISPLAY") || !std::filesystem::is_directory(bin / "графика"))
            GTEST_SKIP() << "no X display or no pictures beside the test";
        for (const char* folder : {"графика", "звуки"})
            std::filesystem::create_directory_symlink(bin / folder, dir.path() / folder);
        std::filesystem::create_directory(dir.path() / "Этажи");
        std::ofstream level(dir.path() / "Этажи" / "Orbo0.orb", std::ios::binary);
        for (int row = 0; row < 15; ++row)
            level << (row == 1 ? "1111111111111111" : row == 13 ? "2222222222222222" : "0000000000000000") << "\r\n";
        display.setFullscreen(false);
        game.settings = {.soundOn = false, .musicOn = false, .smartCops = false, .speed = 2};
    }

    // Plays a session, running each pass's step (if any) as the pass lets messages through.
    void play(std::map<int, std::function<void()>> steps) {
        pass = 0;
        events = SdlEventPump(
            [&] {
                machine.clock.advance(16);
                if (++pass > 300) game.session.quit = true;  // a script that went astray ends
                if (const auto step = steps.find(pass); step != steps.end()) step->second();
            },
            &keyboard, &display);
        playSession(game);
    }
    bool held(int scanCode) const { return recorder.last[static_cast<std::size_t>(scanCode)] != 0; }
    const Unit& hero() const { return game.units[HeroSlot]; }

    TempDir dir;
    headless::Machine machine{dir.path()};
    SdlKeyboard keyboard;
    RecordingKeyboard recorder{keyboard};
    WindowDisplay display;
    SdlEventPump events{nullptr};
    Platform platform{dir.path(),    machine.clock, machine.random,   recorder, display,
                      machine.sound, machine.music, machine.messages, events};
    Game game{platform};
    int pass = 0;
};

TEST_F(PadSession, APadWalksDigsPausesAndLeaves) {
    VirtualPad pad;
    ASSERT_TRUE(pad.attached()) << SDL_GetError();
    double startX = 0;
    bool holeDug = false, pausedByStart = false, resumedByA = false;
    play({
        {2,
         [&] {
             Unit& h = game.units[HeroSlot];
             h.col = 5, h.row = 12, h.x = 5 * 64, h.y = 12 * 50;
             startX = h.x;
         }},
        {5, [&] { pad.hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true); }},
        {40, [&] { pad.hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, false); }},
        {60, [&] { pad.hold(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, true); }},
        {62,
         [&] {
             pad.hold(SDL_CONTROLLER_BUTTON_LEFTSHOULDER, false);
             for (int col = 0; col < 16; ++col) holeDug |= game.tileMap.at(col, 13) == Hole;
         }},
        {70, [&] { pad.hold(SDL_CONTROLLER_BUTTON_START, true); }},
        {72, [&] { pad.hold(SDL_CONTROLLER_BUTTON_START, false); }},
        {80,
         [&] {
             pausedByStart = game.session.paused;
             pad.hold(SDL_CONTROLLER_BUTTON_A, true);
         }},
        {82,
         [&] {
             resumedByA = !game.session.paused;
             pad.hold(SDL_CONTROLLER_BUTTON_A, false);
             pad.hold(SDL_CONTROLLER_BUTTON_BACK, true);
         }},
    });
    EXPECT_GT(hero().x, startX) << "walked right";
    EXPECT_TRUE(holeDug);
    EXPECT_TRUE(pausedByStart);
    EXPECT_TRUE(resumedByA);
    EXPECT_LE(pass, 85) << "Back left the game";
    EXPECT_TRUE(game.progress.canContinue);
}

TEST_F(PadSession, APadPluggedInAndPulledOutDuringPlayLeavesNoKeyHeld) {
    std::optional<VirtualPad> pad;
    std::vector<bool> right;
    const auto note = [&] { right.push_back(held(ScanCode::Right)); };
    play({
        {5, [&] { pad.emplace(); }},
        {10, [&] { pad->hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true); }},
        {13, note},
        {15, [&] { pad.reset(); }},
        {18, note},
        {20, [&] { pad.emplace(); }},
        {25, [&] { pad->hold(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true); }},
        {28,
         [&] {
             note();
             game.session.quit = true;
         }},
    });
    EXPECT_EQ(right, (std::vector{true, false, true})) << "plugged in, pulled out holding Right, plugged in again";
}

}  // namespace
}  // namespace orbo::sdl
