// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "game/render/SdlHandles.h"

namespace orbo::sdl {

// Frames to a streaming texture, a changed rectangle at a time, which the
// graphics card scales to fit the screen (by whole steps pixel for pixel where
// they fit, smoothly otherwise) and shows at its vertical sync.
class TexturePresenter {
public:
    // False, with SDL's reason in error, when no renderer or texture can be made.
    bool start(SDL_Window* window, std::string& error);
    void stop();
    // Uploads the changed areas (everything when asked) and shows the frame; a
    // frame without changes is not shown again, the screen still holds it.
    bool present(const SDL_Surface& frame, const std::vector<SDL_Rect>& changed, bool everything);
    // The renderer's name, for the log.
    std::string name() const;

private:
    bool upload(const SDL_Surface& frame, const SDL_Rect& area);

    UniqueRenderer renderer_;
    UniqueTexture texture_;  // after the renderer: freed before it
    Uint32 format_ = SDL_PIXELFORMAT_UNKNOWN;
};

}  // namespace orbo::sdl
