// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include <SDL.h>
#include <SDL_ttf.h>

// Owning handles for SDL's objects, so that every one is freed exactly once.
namespace orbo::sdl {

template <auto Free>
struct Deleter {
    template <typename T>
    void operator()(T* object) const {
        if (object) Free(object);
    }
};

using UniqueSurface = std::unique_ptr<SDL_Surface, Deleter<SDL_FreeSurface>>;
using UniqueTexture = std::unique_ptr<SDL_Texture, Deleter<SDL_DestroyTexture>>;
using UniqueRenderer = std::unique_ptr<SDL_Renderer, Deleter<SDL_DestroyRenderer>>;
using UniqueWindow = std::unique_ptr<SDL_Window, Deleter<SDL_DestroyWindow>>;
using UniqueFont = std::unique_ptr<TTF_Font, Deleter<TTF_CloseFont>>;
using UniqueSdlText = std::unique_ptr<char, Deleter<SDL_free>>;

}  // namespace orbo::sdl
