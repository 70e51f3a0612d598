#include "game/presentation/sdl/SdlPicture.h"

namespace orbo::sdl {

SDL_Texture* SdlPicture::texture(const std::shared_ptr<const RendererLife>& life) const {
    if (!life) return nullptr;
    if (SDL_Texture* made = texture_.on(life)) return made;
    UniqueTexture texture(SDL_CreateTextureFromSurface(life->renderer, pixels_.get()));
    if (!texture) return nullptr;
    texture_ = RendererTexture(std::move(texture), life);
    return texture_.on(life);
}

}  // namespace orbo::sdl
