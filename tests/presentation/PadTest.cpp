#include <gtest/gtest.h>

#include <SDL.h>
#include <vector>

#include "game/platform/PadKeys.h"
#include "game/platform/SdlPads.h"

namespace orbo::sdl {
namespace {

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
    int attach(int buttons, Sint16 restingAxis = 0) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = static_cast<Uint16>(buttons);
        desc.name = "virtual pad";
        const int index = SDL_JoystickAttachVirtualEx(&desc);
        if (index >= 0 && restingAxis != 0) {
            SDL_Joystick* joystick = SDL_JoystickOpen(index);
            for (int axis = 0; axis < SDL_CONTROLLER_AXIS_MAX; ++axis)
                SDL_JoystickSetVirtualAxis(joystick, axis, restingAxis);
            for (int button = 0; button < buttons; ++button) SDL_JoystickSetVirtualButton(joystick, button, 1);
            kept.push_back(joystick);
        }
        return index;
    }
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
    void TearDown() override {
        for (SDL_Joystick* joystick : kept) SDL_JoystickClose(joystick);
    }

    SdlPads pads;
    std::vector<SDL_Joystick*> kept;
};

TEST_F(VirtualPads, PadsArePluggedInAndPulledOutWhileBeingRead) {
    const int first = attach(SDL_CONTROLLER_BUTTON_MAX);
    ASSERT_GE(first, 0) << SDL_GetError();
    ASSERT_TRUE(pads.start()) << SDL_GetError();
    EXPECT_EQ(pads.openCount(), 1) << "a pad plugged in before the start";
    SDL_Joystick* firstPad = SDL_JoystickOpen(first);
    kept.push_back(firstPad);
    pumpAndPress();
    SDL_JoystickSetVirtualButton(firstPad, SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 1);
    EXPECT_EQ(pumpAndPress(), std::vector{SDL_SCANCODE_RIGHT});

    const int second = attach(SDL_CONTROLLER_BUTTON_MAX);
    ASSERT_GE(second, 0) << SDL_GetError();
    SDL_Joystick* secondPad = SDL_JoystickOpen(second);
    kept.push_back(secondPad);
    pumpAndPress();
    EXPECT_EQ(pads.openCount(), 2) << "plugged in while reading";
    SDL_JoystickSetVirtualButton(secondPad, SDL_CONTROLLER_BUTTON_BACK, 1);
    EXPECT_EQ(pumpAndPress(), (std::vector{SDL_SCANCODE_ESCAPE, SDL_SCANCODE_RIGHT})) << "two pads at once";

    // Pulled out with the direction held: nothing of it stays held.
    SDL_JoystickDetachVirtual(first);
    EXPECT_EQ(pumpAndPress(), std::vector{SDL_SCANCODE_ESCAPE});
    EXPECT_EQ(pads.openCount(), 1);
}

TEST_F(VirtualPads, NonsenseFromAPadNeitherCrashesNorMovesTheHero) {
    ASSERT_TRUE(pads.start()) << SDL_GetError();
    ASSERT_GE(attach(400, SDL_JOYSTICK_AXIS_MIN), 0) << SDL_GetError();
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
