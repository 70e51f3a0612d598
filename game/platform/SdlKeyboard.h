// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include <SDL_scancode.h>

#include "game/core/Platform.h"
#include "game/platform/SdlPads.h"

namespace orbo::sdl {

// The keyboard as SDL last saw it, whatever window has the focus; SDL's state is
// kept fresh by the event pump of every pass. A key that went down since the last
// reading counts as held in this one, even if it is up again: a quick tap between
// two passes is not lost. The pads plugged in hold keys too, while the play
// window has the focus: the game cannot tell a pad from the keyboard.
class SdlKeyboard : public KeyboardDevice {
public:
    // False while SDL's video is not running: there is no keyboard to read.
    bool readState(KeyState& state) override;
    // Told by the event pump of every key that went down.
    void notePress(SDL_Scancode key);
    // Started with the first reading while SDL's video runs.
    SdlPads& pads() { return pads_; }

private:
    std::array<std::uint8_t, SDL_NUM_SCANCODES> pressed_{};
    SdlPads pads_;
};

}  // namespace orbo::sdl
