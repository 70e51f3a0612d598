#include "game/presentation/sdl/RendererTexture.h"

namespace orbo::sdl {

RendererTexture::RendererTexture(UniqueTexture texture, const std::shared_ptr<const RendererLife>& life)
    : texture_(std::move(texture)), life_(life) {}

RendererTexture& RendererTexture::operator=(RendererTexture&& other) noexcept {
    if (this != &other) {
        reset();
        texture_ = std::move(other.texture_);
        life_ = std::move(other.life_);
    }
    return *this;
}

SDL_Texture* RendererTexture::on(const std::shared_ptr<const RendererLife>& life) const {
    if (!texture_ || !life || life_.lock() != life) return nullptr;
    return texture_.get();
}

void RendererTexture::reset() {
    if (life_.expired())
        static_cast<void>(texture_.release());  // already freed with its renderer
    else
        texture_.reset();
    life_.reset();
}

}  // namespace orbo::sdl
