// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/PictureFile.h"

#include <SDL_image.h>

#include "common/formats/PictureHeader.h"

namespace orbo::sdl {
namespace {

// Far beyond any picture of the game; a bigger request is a caller's mistake.
constexpr int LargestSide = 16384;

}  // namespace

UniqueSurface makeSurface565(int width, int height) {
    return UniqueSurface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 16, SDL_PIXELFORMAT_RGB565));
}

UniqueSurface loadIcon(const std::filesystem::path& file) {
    if (checkPictureFile(file) != PictureCheck::Fits) return nullptr;
    return UniqueSurface(IMG_Load(file.c_str()));
}

UniqueSurface loadPicture565(const std::filesystem::path& file, int width, int height, std::uint32_t colourKey,
                             std::string& error) {
    if (width <= 0 || height <= 0 || width > LargestSide || height > LargestSide) {
        error = "picture size " + std::to_string(width) + " x " + std::to_string(height) + " out of range";
        return nullptr;
    }
    switch (checkPictureFile(file)) {
        case PictureCheck::Fits: break;
        case PictureCheck::TooLarge: error = "the picture is larger than the screen"; return nullptr;
        case PictureCheck::Unreadable: error = "not a BMP, JPEG or PNG picture, or cut short"; return nullptr;
    }
    const UniqueSurface original(IMG_Load(file.c_str()));
    if (!original) {
        error = IMG_GetError();
        return nullptr;
    }
    UniqueSurface converted(SDL_ConvertSurfaceFormat(original.get(), SDL_PIXELFORMAT_RGB565, 0));
    if (!converted) {
        error = SDL_GetError();
        return nullptr;
    }
    // Whatever keying or blending the file brought along, the scaling is a plain copy.
    SDL_SetColorKey(converted.get(), SDL_FALSE, 0);
    SDL_SetSurfaceBlendMode(converted.get(), SDL_BLENDMODE_NONE);
    if (converted->w != width || converted->h != height) {
        UniqueSurface scaled = makeSurface565(width, height);
        if (!scaled || SDL_BlitScaled(converted.get(), nullptr, scaled.get(), nullptr) != 0) {
            error = SDL_GetError();
            return nullptr;
        }
        converted = std::move(scaled);
    }
    SDL_SetColorKey(converted.get(), SDL_TRUE, colourKey);
    return converted;
}

}  // namespace orbo::sdl
