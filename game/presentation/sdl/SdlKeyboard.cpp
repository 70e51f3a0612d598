#include "game/presentation/sdl/SdlKeyboard.h"

#include <SDL.h>

#include "game/presentation/sdl/ScanCodes.h"

namespace orbo::sdl {

bool SdlKeyboard::readState(KeyState& state) {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    int count = 0;
    const Uint8* keys = SDL_GetKeyboardState(&count);
    if (!keys) return false;
    fillKeyState(keys, count, state);
    return true;
}

}  // namespace orbo::sdl
