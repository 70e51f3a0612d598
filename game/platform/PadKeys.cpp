// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/PadKeys.h"

#include <cstdlib>

namespace orbo::sdl {
namespace {

void hold(std::span<std::uint8_t, SDL_NUM_SCANCODES> held, SDL_Scancode key) {
    held[static_cast<std::size_t>(key)] = 1;
}

// The arrow a leaning stick axis stands for, once it was seen inside the dead zone.
void pressAxis(int value, bool& seenCentred, SDL_Scancode less, SDL_Scancode more,
               std::span<std::uint8_t, SDL_NUM_SCANCODES> held) {
    if (std::abs(value) < StickDeadZone) {
        seenCentred = true;
        return;
    }
    if (seenCentred) hold(held, value < 0 ? less : more);
}

}  // namespace

SDL_Scancode keyOfButton(SDL_GameControllerButton button) {
    switch (button) {
        case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return SDL_SCANCODE_LEFT;
        case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return SDL_SCANCODE_RIGHT;
        case SDL_CONTROLLER_BUTTON_DPAD_UP: return SDL_SCANCODE_UP;
        case SDL_CONTROLLER_BUTTON_DPAD_DOWN: return SDL_SCANCODE_DOWN;
        case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
        case SDL_CONTROLLER_BUTTON_X: return SDL_SCANCODE_Q;
        case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
        case SDL_CONTROLLER_BUTTON_B: return SDL_SCANCODE_W;
        case SDL_CONTROLLER_BUTTON_START: return SDL_SCANCODE_P;
        case SDL_CONTROLLER_BUTTON_BACK: return SDL_SCANCODE_ESCAPE;
        default: return SDL_SCANCODE_SPACE;
    }
}

void PadKeys::press(const PadReading& reading, std::span<std::uint8_t, SDL_NUM_SCANCODES> held) {
    for (std::size_t button = 0; button < reading.buttons.size(); ++button) {
        if (!reading.buttons[button]) {
            buttonSeenUp_[button] = true;
        } else if (buttonSeenUp_[button]) {
            hold(held, keyOfButton(static_cast<SDL_GameControllerButton>(button)));
        }
    }
    pressAxis(reading.leftX, xSeenCentred_, SDL_SCANCODE_LEFT, SDL_SCANCODE_RIGHT, held);
    pressAxis(reading.leftY, ySeenCentred_, SDL_SCANCODE_UP, SDL_SCANCODE_DOWN, held);
}

}  // namespace orbo::sdl
