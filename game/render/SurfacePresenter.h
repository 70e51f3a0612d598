// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <vector>

#include "game/render/ScreenScaler.h"

namespace orbo::sdl {

// Frames to the window's own surface, a rectangle at a time: no OpenGL at all,
// and a frame that did not change costs nothing.
class SurfacePresenter {
public:
    explicit SurfacePresenter(SDL_Window* window) : window_(window) {}

    // False when the window has no surface in a format this can write.
    bool start();
    // Sends the frame's changed areas; all of it the first time, when the window's
    // surface was made anew, or when `everything` says the window was uncovered.
    bool present(const SDL_Surface& frame, const std::vector<SDL_Rect>& changed, bool everything);

private:
    SDL_Window* window_;
    SDL_Surface* screen_ = nullptr;
    std::optional<ScreenScaler> scaler_;
    std::vector<SDL_Rect> sent_;
};

}  // namespace orbo::sdl
