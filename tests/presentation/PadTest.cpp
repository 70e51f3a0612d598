// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <SDL.h>
#include <vector>

#include "game/platform/PadKeys.h"
#include "game/platform/SdlPads.h"
#include "game/platform/VirtualPad.h"

namespace orbo::sdl {
namespace {

using sdl::VirtualPad;

using Held = std::array<std::uint8_t, SDL_NUM_SCANCODES>;

std::vector<SDL_Scancode> keysOf(const Held& held) {
    std::vector<SDL_Scancode> keys;
    for (std::size_t key = 0; key < held.size(); ++key)
        if (held[key]) keys.push_back(static_cast<SDL_Scancode>(key));
    return keys;
}

std::vector<SDL_Scancode> press(PadKeys& pad, const PadReading& reading) {
    Held held{};
    pad.press(reading, held);
    return keysOf(held);
}

PadReading stick(int x, int y) {
    PadReading reading;
    reading.leftX = static_cast<std::int16_t>(x);
    reading.leftY = static_cast<std::int16_t>(y);
    return reading;
}

TEST(PadKeys, ButtonsAndTheLeftStickHoldTheGamesKeys) {
    const std::pair<SDL_GameControllerButton, SDL_Scancode> buttons[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_SCANCODE_LEFT},   {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_SCANCODE_RIGHT},
        {SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_SCANCODE_UP},       {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_SCANCODE_DOWN},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, SDL_SCANCODE_Q},   {SDL_CONTROLLER_BUTTON_X, SDL_SCANCODE_Q},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_SCANCODE_W},  {SDL_CONTROLLER_BUTTON_B, SDL_SCANCODE_W},
        {SDL_CONTROLLER_BUTTON_START, SDL_SCANCODE_P},          {SDL_CONTROLLER_BUTTON_BACK, SDL_SCANCODE_ESCAPE},
        {SDL_CONTROLLER_BUTTON_A, SDL_SCANCODE_SPACE},          {SDL_CONTROLLER_BUTTON_Y, SDL_SCANCODE_SPACE},
        {SDL_CONTROLLER_BUTTON_RIGHTSTICK, SDL_SCANCODE_SPACE},
    };
    for (const auto& [button, key] : buttons) {
        PadKeys pad;
        EXPECT_TRUE(press(pad, {}).empty());
        PadReading down;
        down.buttons[static_cast<std::size_t>(button)] = true;
        EXPECT_EQ(press(pad, down), std::vector{key}) << SDL_GameControllerGetStringForButton(button);
    }
    // Of 32767 either way; the dead zone ends at StickDeadZone.
    const std::pair<PadReading, std::vector<SDL_Scancode>> sticks[] = {
        {stick(-32768, 0), {SDL_SCANCODE_LEFT}},
        {stick(32767, 0), {SDL_SCANCODE_RIGHT}},
        {stick(0, -StickDeadZone), {SDL_SCANCODE_UP}},
        {stick(0, StickDeadZone), {SDL_SCANCODE_DOWN}},
        {stick(StickDeadZone - 1, 1 - StickDeadZone), {}},
        {stick(-30000, 30000), {SDL_SCANCODE_LEFT, SDL_SCANCODE_DOWN}},
    };
    for (const auto& [reading, keys] : sticks) {
        PadKeys pad;
        press(pad, {});
        EXPECT_EQ(press(pad, reading), keys) << reading.leftX << ", " << reading.leftY;
    }
}

TEST(PadKeys, AControlPressedFromTheStartCountsOnlyOnceSeenAtRest) {
    PadReading nonsense = stick(-32768, 32767);
    nonsense.buttons.fill(true);
    PadKeys pad;
    EXPECT_TRUE(press(pad, nonsense).empty());
    EXPECT_TRUE(press(pad, nonsense).empty()) << "still nothing while it stays so";
    PadReading xAtRest = nonsense;
    xAtRest.leftX = 0;
    xAtRest.buttons[SDL_CONTROLLER_BUTTON_DPAD_UP] = false;
    EXPECT_TRUE(press(pad, xAtRest).empty());
    EXPECT_EQ(press(pad, nonsense), (std::vector{SDL_SCANCODE_LEFT, SDL_SCANCODE_UP})) << "only the two seen at rest";
}

// SDL's virtual joysticks stand in for pads; no display is needed.
class VirtualPads : public ::testing::Test {
protected:
    // Lets SDL's events through to the pads, then reads the keys they hold.
    std::vector<SDL_Scancode> pumpAndPress() {
        SDL_Event event;
        while (SDL_PollEvent(&event)) pads.handle(event);
        Held held{};
        pads.press(held);
        return keysOf(held);
    }
    static void push(Uint32 type, SDL_JoystickID which) {
        SDL_Event event{};
        event.type = type;
        event.cdevice.which = which;
        SDL_PushEvent(&event);
    }
    SdlPads pads;
};

TEST_F(VirtualPads, NonsenseFromAPadNeitherCrashesNorMovesTheHero) {
    ASSERT_TRUE(pads.start()) << SDL_GetError();
    VirtualPad nonsense(400);
    ASSERT_TRUE(nonsense.attached()) << SDL_GetError();
    for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis) nonsense.lean(axis, SDL_JOYSTICK_AXIS_MIN);
    for (int button = 0; button < 400; ++button) nonsense.hold(button, true);
    EXPECT_TRUE(pumpAndPress().empty()) << "every axis at its limit and 400 buttons down from the start";
    EXPECT_EQ(pads.openCount(), 1);

    // Events about pads that were never opened.
    push(SDL_CONTROLLERDEVICEREMOVED, 4711);
    push(SDL_CONTROLLERDEVICEADDED, 999);
    SDL_Event button{};
    button.type = SDL_CONTROLLERBUTTONDOWN;
    button.cbutton.which = 4711;
    button.cbutton.button = SDL_CONTROLLER_BUTTON_A;
    EXPECT_FALSE(pads.pressedButton(button));
    EXPECT_TRUE(pumpAndPress().empty());
    EXPECT_EQ(pads.openCount(), 1);
}

}  // namespace
}  // namespace orbo::sdl
