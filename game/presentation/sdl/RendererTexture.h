#pragma once

#include <memory>

#include "game/presentation/sdl/SdlHandles.h"

namespace orbo::sdl {

// Stands for one renderer while it exists; textures hold it weakly.
struct RendererLife {
    SDL_Renderer* renderer;
};

// A texture made on one renderer. SDL frees a renderer's textures together with
// it, so a texture that outlives its renderer is let go instead of freed twice.
class RendererTexture {
public:
    RendererTexture() = default;
    RendererTexture(UniqueTexture texture, const std::shared_ptr<const RendererLife>& life);
    ~RendererTexture() { reset(); }
    RendererTexture(RendererTexture&& other) noexcept = default;
    RendererTexture& operator=(RendererTexture&& other) noexcept;
    RendererTexture(const RendererTexture&) = delete;
    RendererTexture& operator=(const RendererTexture&) = delete;

    // The texture when it was made on this renderer and both still exist, else null.
    SDL_Texture* on(const std::shared_ptr<const RendererLife>& life) const;
    void reset();

private:
    UniqueTexture texture_;
    std::weak_ptr<const RendererLife> life_;
};

}  // namespace orbo::sdl
