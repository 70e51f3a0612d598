// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL_gamecontroller.h>
#include <SDL_scancode.h>
#include <array>
#include <cstdint>
#include <span>

namespace orbo::sdl {

// A pad's controls as SDL's game controller layer reads them.
struct PadReading {
    std::array<bool, SDL_CONTROLLER_BUTTON_MAX> buttons{};
    std::int16_t leftX = 0;
    std::int16_t leftY = 0;
};

// How far the left stick must lean, of 32767, before it counts as an arrow key.
inline constexpr int StickDeadZone = 16000;

// The key (an SDL scan code) a button stands for: the arrows, q, w, p and Esc;
// Space, which has no command of its own, for every other button, so that any
// button lifts a pause as any key does.
SDL_Scancode keyOfButton(SDL_GameControllerButton button);

// One pad's controls as keys of the game. A control counts only once it has been
// seen at rest since the pad was opened: a pad that reports a stick at its limit
// or a button down from the start (worn, or nonsense) never moves the hero on
// its own.
class PadKeys {
public:
    // Sets held[key] for every key the reading stands for; held is indexed by SDL scan code.
    void press(const PadReading& reading, std::span<std::uint8_t, SDL_NUM_SCANCODES> held);

private:
    std::array<bool, SDL_CONTROLLER_BUTTON_MAX> buttonSeenUp_{};
    bool xSeenCentred_ = false;
    bool ySeenCentred_ = false;
};

}  // namespace orbo::sdl
