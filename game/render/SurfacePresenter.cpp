// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/SurfacePresenter.h"

#include "game/core/ScreenSize.h"

namespace orbo::sdl {

bool SurfacePresenter::start() {
    screen_ = SDL_GetWindowSurface(window_);
    if (!screen_) return false;
    scaler_.emplace(ScreenWidth, ScreenHeight, *screen_);
    return scaler_->supported();
}

bool SurfacePresenter::present(const SDL_Surface& frame, const std::vector<SDL_Rect>& changed, bool everything) {
    SDL_Surface* screen = SDL_GetWindowSurface(window_);
    if (!screen) return false;
    if (screen != screen_ || !scaler_ || !scaler_->madeFor(*screen)) {
        screen_ = screen;
        scaler_.emplace(ScreenWidth, ScreenHeight, *screen);
        if (!scaler_->supported()) return false;
        everything = true;
    }
    if (everything) {
        scaler_->copyAll(frame, *screen);
        return SDL_UpdateWindowSurface(window_) == 0;
    }
    sent_.clear();
    for (const SDL_Rect& area : changed) {
        const SDL_Rect written = scaler_->copy(frame, *screen, area);
        if (written.w > 0 && written.h > 0) sent_.push_back(written);
    }
    if (sent_.empty()) return true;
    return SDL_UpdateWindowSurfaceRects(window_, sent_.data(), static_cast<int>(sent_.size())) == 0;
}

}  // namespace orbo::sdl
