// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include <SDL_scancode.h>

#include "game/core/Platform.h"

namespace orbo::sdl {

// The game's keyboard scan code (the PC keyboard's set-1 codes, extended keys at
// 0x80 and above) of an SDL key; 0 for a key that has none.
std::uint8_t gameScanCode(SDL_Scancode key);

// The game's 256-byte key state from SDL's state array of count entries.
void fillKeyState(const std::uint8_t* sdlState, int count, KeyState& state);

}  // namespace orbo::sdl
