// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/TexturePresenter.h"

#include "game/core/ScreenSize.h"
#include "game/render/FramePacer.h"

namespace orbo::sdl {
namespace {

// The frame's own 16-bit pixels where the renderer can hold them, else 32-bit.
Uint32 textureFormat(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0)
        for (Uint32 i = 0; i < info.num_texture_formats; ++i)
            if (info.texture_formats[i] == SDL_PIXELFORMAT_RGB565) return SDL_PIXELFORMAT_RGB565;
    return SDL_PIXELFORMAT_ARGB8888;
}

}  // namespace

bool TexturePresenter::start(SDL_Window* window, std::string& error) {
    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "1");
    renderer_.reset(SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC));
    // Without a graphics driver SDL's software renderer still gives a working screen.
    if (!renderer_) renderer_.reset(SDL_CreateRenderer(window, -1, 0));
    if (!renderer_) {
        error = SDL_GetError();
        return false;
    }
    format_ = textureFormat(renderer_.get());
    texture_.reset(SDL_CreateTexture(renderer_.get(), format_, SDL_TEXTUREACCESS_STREAMING, ScreenWidth, ScreenHeight));
    if (!texture_) {
        error = SDL_GetError();
        stop();
        return false;
    }
    SDL_SetTextureBlendMode(texture_.get(), SDL_BLENDMODE_NONE);
    return true;
}

void TexturePresenter::stop() {
    texture_.reset();
    renderer_.reset();
}

std::string TexturePresenter::name() const {
    SDL_RendererInfo info;
    if (!renderer_ || SDL_GetRendererInfo(renderer_.get(), &info) != 0) return "none";
    return info.name;
}

bool TexturePresenter::upload(const SDL_Surface& frame, const SDL_Rect& area) {
    const auto* pixels =
        static_cast<const std::uint8_t*>(frame.pixels) + static_cast<std::ptrdiff_t>(area.y) * frame.pitch + area.x * 2;
    if (format_ == SDL_PIXELFORMAT_RGB565) return SDL_UpdateTexture(texture_.get(), &area, pixels, frame.pitch) == 0;
    void* locked = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_.get(), &area, &locked, &pitch) != 0) return false;
    const bool converted =
        SDL_ConvertPixels(area.w, area.h, SDL_PIXELFORMAT_RGB565, pixels, frame.pitch, format_, locked, pitch) == 0;
    SDL_UnlockTexture(texture_.get());
    return converted;
}

bool TexturePresenter::present(const SDL_Surface& frame, const std::vector<SDL_Rect>& changed, bool everything) {
    if (!renderer_) return false;
    if (!everything && changed.empty()) return true;
    bool uploaded = true;
    if (everything)
        uploaded = upload(frame, {0, 0, frame.w, frame.h});
    else
        for (const SDL_Rect& area : changed) uploaded = upload(frame, area) && uploaded;

    SDL_Renderer* renderer = renderer_.get();
    int screenWidth = 0;
    int screenHeight = 0;
    SDL_GetRendererOutputSize(renderer, &screenWidth, &screenHeight);
    const Placement place = fitPicture(screenWidth, screenHeight, ScreenWidth, ScreenHeight);
    SDL_SetTextureScaleMode(texture_.get(),
                            place.width % ScreenWidth == 0 ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
    const SDL_Rect area{place.x, place.y, place.width, place.height};
    // Only the bars are filled: the picture covers the rest, and a software
    // rasteriser pays for every pixel cleared.
    const int right = place.x + place.width;
    const int bottom = place.y + place.height;
    const SDL_Rect bars[4] = {{0, 0, place.x, screenHeight},
                              {right, 0, screenWidth - right, screenHeight},
                              {0, 0, screenWidth, place.y},
                              {0, bottom, screenWidth, screenHeight - bottom}};
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderFillRects(renderer, bars, 4);
    const bool copied = SDL_RenderCopy(renderer, texture_.get(), nullptr, &area) == 0;
    SDL_RenderPresent(renderer);
    return uploaded && copied;
}

}  // namespace orbo::sdl
