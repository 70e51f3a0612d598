// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>

namespace orbo::sdl {

// SDL's virtual pad, plugged in while it lives: a pad without hardware, which SDL's
// game controller layer maps as it maps a real one.
class VirtualPad {
public:
    explicit VirtualPad(int buttons = SDL_CONTROLLER_BUTTON_MAX) {
        SDL_VirtualJoystickDesc desc{};
        desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
        desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
        desc.naxes = SDL_CONTROLLER_AXIS_MAX;
        desc.nbuttons = static_cast<Uint16>(buttons);
        desc.name = "virtual pad";
        index_ = SDL_JoystickAttachVirtualEx(&desc);
        joystick_ = index_ >= 0 ? SDL_JoystickOpen(index_) : nullptr;
    }
    ~VirtualPad() {
        if (joystick_) SDL_JoystickClose(joystick_);
        if (index_ >= 0) SDL_JoystickDetachVirtual(index_);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool attached() const { return joystick_ != nullptr; }
    void hold(int button, bool down) { SDL_JoystickSetVirtualButton(joystick_, button, down ? 1 : 0); }
    void lean(int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, axis, value); }

private:
    int index_;
    SDL_Joystick* joystick_;
};

}  // namespace orbo::sdl
