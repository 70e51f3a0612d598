// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/SdlEventPump.h"

#include <SDL.h>

namespace orbo::sdl {
namespace {

bool switchesScreenMode(const SDL_KeyboardEvent& key) {
    if (key.repeat) return false;
    const SDL_Scancode code = key.keysym.scancode;
    const bool enter = code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER;
    return code == SDL_SCANCODE_F11 || (enter && (key.keysym.mod & KMOD_ALT) != 0);
}

}  // namespace

WindowEvents SdlEventPump::pumpMessages() {
    WindowEvents window;
    if (SDL_WasInit(SDL_INIT_EVENTS)) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) handle(event, window);
    }
    if (pumpWindowMessages_) pumpWindowMessages_();
    return window;
}

void SdlEventPump::handle(const SDL_Event& event, WindowEvents& window) {
    switch (event.type) {
        case SDL_KEYDOWN:
            if (keyboard_) keyboard_->notePress(event.key.keysym.scancode);
            if (display_ && switchesScreenMode(event.key)) display_->toggleFullscreen();
            break;
        // SDL's own signal handlers are off: a quit event is the last window's close box.
        case SDL_QUIT: window.closeRequested = true; break;
        case SDL_WINDOWEVENT:
            if (event.window.event == SDL_WINDOWEVENT_CLOSE) window.closeRequested = true;
            // A focus lost and found again within one pass (a window manager
            // switching modes) is no reason to pause.
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) window.focusLost = true;
            if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) window.focusLost = false;
            break;
        default:
            if (keyboard_) keyboard_->pads().handle(event);
    }
}

}  // namespace orbo::sdl
