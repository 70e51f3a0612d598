#include "game/platform/SdlEventPump.h"

#include <SDL.h>

namespace orbo::sdl {

void SdlEventPump::pumpMessages() {
    if (SDL_WasInit(SDL_INIT_EVENTS)) {
        SDL_Event event;
        while (SDL_PollEvent(&event))
            if (event.type == SDL_KEYDOWN && keyboard_) keyboard_->notePress(event.key.keysym.scancode);
    }
    if (pumpWindowMessages_) pumpWindowMessages_();
}

}  // namespace orbo::sdl
