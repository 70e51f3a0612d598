#pragma once

#include <memory>

#include "game/presentation/sdl/RendererTexture.h"
#include "game/core/Platform.h"

namespace orbo::sdl {

// A picture ready for keyed copies: its RGB565 pixels, and their texture on the
// renderer that draws them, made when the picture is loaded. The pixels stay, so
// a picture still draws after its screen was closed and opened again.
class SdlPicture : public Surface {
public:
    explicit SdlPicture(UniqueSurface pixels) : pixels_(std::move(pixels)) {}
    int width() const override { return pixels_->w; }
    int height() const override { return pixels_->h; }
    const SDL_Surface& pixels() const { return *pixels_; }

    // The picture's texture on that renderer, made the first time it is asked for;
    // null when it cannot be made.
    SDL_Texture* texture(const std::shared_ptr<const RendererLife>& life) const;

private:
    UniqueSurface pixels_;
    mutable RendererTexture texture_;
};

}  // namespace orbo::sdl
