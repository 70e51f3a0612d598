// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/SdlKeyboard.h"

#include <SDL.h>
#include <algorithm>

#include "game/platform/ScanCodes.h"

namespace orbo::sdl {

void SdlKeyboard::notePress(SDL_Scancode key) {
    if (key > SDL_SCANCODE_UNKNOWN && key < SDL_NUM_SCANCODES) pressed_[static_cast<std::size_t>(key)] = 1;
}

bool SdlKeyboard::readState(KeyState& state) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    if (!keys) return false;
    std::array<std::uint8_t, SDL_NUM_SCANCODES> held{};
    std::copy_n(keys, std::min<int>(count, SDL_NUM_SCANCODES), held.begin());
    for (std::size_t key = 0; key < held.size(); ++key) held[key] |= pressed_[key];
    pressed_.fill(0);
    if (!pads_.started()) pads_.start();
    if (SDL_GetKeyboardFocus()) pads_.press(held);
    fillKeyState(held.data(), static_cast<int>(held.size()), state);
    return true;
}

}  // namespace orbo::sdl
