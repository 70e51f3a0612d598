// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/SdlMessageBox.h"

#include <iostream>
#include <string>

#include <SDL.h>

#include "game/render/SdlSubsystem.h"

namespace orbo::sdl {
namespace {

constexpr const char* Caption = "Orbo";

}  // namespace

void SdlMessageBox::show(std::string_view text, MessageIcon icon) {
    prepareSdl();
    const std::string message(text);
    const Uint32 flags = icon == MessageIcon::Critical ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    SDL_Window* parent = parent_ ? parent_() : nullptr;
    if (SDL_ShowSimpleMessageBox(flags, Caption, message.c_str(), parent) == 0) return;
    // SDL has no way to show it: the player still learns why the session ended.
    std::cerr << Caption << ": " << message << '\n';
    if (fallback_) fallback_(text, icon);
}

}  // namespace orbo::sdl
