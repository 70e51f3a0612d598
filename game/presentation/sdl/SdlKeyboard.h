#pragma once

#include "game/core/Platform.h"

namespace orbo::sdl {

// The keyboard as SDL last saw it, whatever window has the focus; SDL's state is
// kept fresh by the event pump of every pass.
class SdlKeyboard : public KeyboardDevice {
public:
    // False while SDL's video is not running: there is no keyboard to read.
    bool readState(KeyState& state) override;
};

}  // namespace orbo::sdl
