#include "game/presentation/sdl/RendererDisplay.h"

#include <algorithm>
#include <cstdlib>

#include "game/presentation/ScreenSize.h"
#include "game/presentation/sdl/PictureFile.h"
#include "game/presentation/sdl/SdlPicture.h"

namespace orbo::sdl {

std::unique_ptr<Surface> RendererDisplay::loadSurface(int width, int height, std::int32_t colourKey,
                                                      const std::filesystem::path& file) {
    std::string error;
    UniqueSurface pixels = loadPicture565(file, width, height, static_cast<std::uint32_t>(colourKey), error);
    if (!pixels) {
        fail(file.string() + ": " + error);
        return nullptr;
    }
    auto picture = std::make_unique<SdlPicture>(std::move(pixels));
    // Uploaded now, behind the title picture, rather than in the first frame that shows it.
    picture->texture(life_);
    return picture;
}

void RendererDisplay::attach(SDL_Renderer* renderer) {
    life_ = std::make_shared<const RendererLife>(RendererLife{renderer});
    fore_ = {0, 0, 0, SDL_ALPHA_OPAQUE};
    drawWidth_ = 1;
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_NONE);
}

void RendererDisplay::detach() {
    text_.forget();
    life_.reset();
}

void RendererDisplay::clearBackBuffer() {
    if (!life_) return;
    SDL_SetRenderDrawColor(life_->renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(life_->renderer);
}

void RendererDisplay::drawSprite(int x, int y, const Surface& source, const Rect& sourceArea) {
    const auto* picture = dynamic_cast<const SdlPicture*>(&source);
    if (!life_ || !picture) return;
    SDL_Texture* texture = picture->texture(life_);
    if (!texture) return;
    const int left = std::clamp(sourceArea.left, 0, picture->width());
    const int top = std::clamp(sourceArea.top, 0, picture->height());
    const int right = std::clamp(sourceArea.right, left, picture->width());
    const int bottom = std::clamp(sourceArea.bottom, top, picture->height());
    const SDL_Rect from{left, top, right - left, bottom - top};
    const SDL_Rect to{x, y, from.w, from.h};
    SDL_RenderCopy(life_->renderer, texture, &from, &to);
}

void RendererDisplay::setForeColor(std::uint32_t colour) {
    fore_ = {static_cast<Uint8>(colour & 0xFF), static_cast<Uint8>(colour >> 8 & 0xFF),
             static_cast<Uint8>(colour >> 16 & 0xFF), SDL_ALPHA_OPAQUE};
}

void RendererDisplay::drawText(int x, int y, std::string_view utf8) { text_.draw(life_, x, y, utf8, fore_); }

void RendererDisplay::fillRect(int x, int y, int width, int height) {
    SDL_SetRenderDrawColor(life_->renderer, fore_.r, fore_.g, fore_.b, fore_.a);
    const SDL_Rect area{x, y, width, height};
    SDL_RenderFillRect(life_->renderer, &area);
}

void RendererDisplay::drawLine(int x1, int y1, int x2, int y2) {
    if (!life_) return;
    // A wide pen lies centred on the line; like the system's pen, it stops short of the end point.
    const int width = std::max(drawWidth_, 1);
    const int before = width / 2;
    if (y1 == y2) {
        fillRect(std::min(x1, x2), y1 - before, std::abs(x2 - x1), width);
        return;
    }
    if (x1 == x2) {
        fillRect(x1 - before, std::min(y1, y2), width, std::abs(y2 - y1));
        return;
    }
    SDL_SetRenderDrawColor(life_->renderer, fore_.r, fore_.g, fore_.b, fore_.a);
    const bool flat = std::abs(x2 - x1) >= std::abs(y2 - y1);
    for (int offset = -before; offset < width - before; ++offset) {
        const int dx = flat ? 0 : offset;
        const int dy = flat ? offset : 0;
        SDL_RenderDrawLine(life_->renderer, x1 + dx, y1 + dy, x2 + dx, y2 + dy);
    }
}

std::vector<std::uint16_t> RendererDisplay::readBackBuffer() {
    if (!life_) return {};
    std::vector<std::uint16_t> pixels(static_cast<std::size_t>(ScreenWidth) * ScreenHeight);
    const SDL_Rect screen{0, 0, ScreenWidth, ScreenHeight};
    if (SDL_RenderReadPixels(life_->renderer, &screen, SDL_PIXELFORMAT_RGB565, pixels.data(),
                             ScreenWidth * static_cast<int>(sizeof(std::uint16_t))) != 0)
        return {};
    return pixels;
}

}  // namespace orbo::sdl
