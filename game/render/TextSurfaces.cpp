// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/TextSurfaces.h"

#include <algorithm>

#include "game/render/SystemFont.h"

namespace orbo::sdl {
namespace {

constexpr int SmallestFontSize = 6;

std::uint32_t packed(SDL_Color colour) {
    return static_cast<std::uint32_t>(colour.r) | static_cast<std::uint32_t>(colour.g) << 8 |
           static_cast<std::uint32_t>(colour.b) << 16 | static_cast<std::uint32_t>(colour.a) << 24;
}

}  // namespace

TextSurfaces::~TextSurfaces() {
    kept_.clear();
    font_.reset();
    if (ttfStarted_) TTF_Quit();
}

TTF_Font* TextSurfaces::font() {
    if (fontTried_) return font_.get();
    fontTried_ = true;
    const auto file = defaultSansFont();
    if (!file) return nullptr;
    ttfStarted_ = TTF_Init() == 0;
    if (!ttfStarted_) return nullptr;
    int size = LineHeight;
    font_.reset(TTF_OpenFont(file->c_str(), size));
    if (!font_) return nullptr;
    // The largest size whose lines fit the height the screen layout leaves for text.
    while (TTF_FontHeight(font_.get()) > LineHeight && size > SmallestFontSize) TTF_SetFontSize(font_.get(), --size);
    return font_.get();
}

SDL_Surface* TextSurfaces::get(std::string_view utf8, SDL_Color colour) {
    if (utf8.empty()) return nullptr;
    const std::uint32_t key = packed(colour);
    auto found = std::find_if(kept_.begin(), kept_.end(),
                              [&](const Kept& kept) { return kept.colour == key && kept.text == utf8; });
    if (found == kept_.end()) {
        TTF_Font* face = font();
        if (!face) return nullptr;
        std::string text(utf8);
        const UniqueSurface glyphs(TTF_RenderUTF8_Blended(face, text.c_str(), colour));
        if (!glyphs) return nullptr;
        SDL_SetSurfaceBlendMode(glyphs.get(), SDL_BLENDMODE_BLEND);
        if (kept_.size() >= KeptTexts)
            kept_.erase(std::min_element(kept_.begin(), kept_.end(),
                                         [](const Kept& a, const Kept& b) { return a.lastUse < b.lastUse; }));
        kept_.push_back({std::move(text), key, SurfaceRef(glyphs.get()), 0});
        found = kept_.end() - 1;
    }
    found->lastUse = ++uses_;
    return found->pixels.get();
}

}  // namespace orbo::sdl
