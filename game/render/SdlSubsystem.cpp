// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/SdlSubsystem.h"

#include <SDL.h>

namespace orbo::sdl {

void prepareSdl() { SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); }

SubsystemLease::SubsystemLease(std::uint32_t flags) : flags_(flags) {
    prepareSdl();
    ok_ = SDL_InitSubSystem(flags) == 0;
}

SubsystemLease::~SubsystemLease() {
    if (ok_) SDL_QuitSubSystem(flags_);
}

}  // namespace orbo::sdl
