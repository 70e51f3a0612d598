// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/render/DrawList.h"
#include "game/render/SdlHandles.h"

namespace orbo::sdl {

// Text in the system's sans font, about 16 pixels high, as ARGB pictures to
// blend over the frame. Rendered texts are kept: the status line changes rarely,
// so most frames draw it without rendering a glyph.
class TextSurfaces {
public:
    TextSurfaces() = default;
    ~TextSurfaces();
    TextSurfaces(const TextSurfaces&) = delete;
    TextSurfaces& operator=(const TextSurfaces&) = delete;

    // The text rendered in colour; null when it is empty or no font can be had.
    SDL_Surface* get(std::string_view utf8, SDL_Color colour);

    static constexpr int LineHeight = 16;
    static constexpr std::size_t KeptTexts = 64;

private:
    struct Kept {
        std::string text;
        std::uint32_t colour;
        SurfaceRef pixels;
        std::uint64_t lastUse;
    };

    TTF_Font* font();

    bool ttfStarted_ = false;
    bool fontTried_ = false;
    UniqueFont font_;
    std::vector<Kept> kept_;
    std::uint64_t uses_ = 0;
};

}  // namespace orbo::sdl
