// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/core/Platform.h"
#include "game/render/SdlHandles.h"

namespace orbo::sdl {

// A picture ready for keyed copies: its RGB565 pixels with black as the colour key.
class SdlPicture : public Surface {
public:
    explicit SdlPicture(UniqueSurface pixels) : pixels_(std::move(pixels)) {}
    int width() const override { return pixels_->w; }
    int height() const override { return pixels_->h; }
    // Not const: frames that show the picture share its pixels by SDL's reference count.
    SDL_Surface* pixels() const { return pixels_.get(); }

private:
    UniqueSurface pixels_;
};

}  // namespace orbo::sdl
