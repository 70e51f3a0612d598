#include "game/presentation/sdl/TextPainter.h"

#include <algorithm>

#include "game/presentation/sdl/SystemFont.h"

namespace orbo::sdl {
namespace {

constexpr int SmallestFontSize = 6;

std::uint32_t packed(SDL_Color colour) {
    return static_cast<std::uint32_t>(colour.r) | static_cast<std::uint32_t>(colour.g) << 8 |
           static_cast<std::uint32_t>(colour.b) << 16 | static_cast<std::uint32_t>(colour.a) << 24;
}

}  // namespace

TextPainter::TextPainter() = default;

TextPainter::~TextPainter() {
    kept_.clear();
    font_.reset();
    if (ttfStarted_) TTF_Quit();
}

TTF_Font* TextPainter::font() {
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

TextPainter::Kept* TextPainter::render(const std::shared_ptr<const RendererLife>& life, std::string_view utf8,
                                       SDL_Color colour) {
    TTF_Font* face = font();
    if (!face) return nullptr;
    const std::string text(utf8);
    const UniqueSurface glyphs(TTF_RenderUTF8_Blended(face, text.c_str(), colour));
    if (!glyphs) return nullptr;
    UniqueTexture texture(SDL_CreateTextureFromSurface(life->renderer, glyphs.get()));
    if (!texture) return nullptr;
    if (kept_.size() >= KeptTexts) {
        const auto oldest = std::min_element(kept_.begin(), kept_.end(),
                                             [](const Kept& a, const Kept& b) { return a.lastUse < b.lastUse; });
        kept_.erase(oldest);
    }
    kept_.push_back({text, packed(colour), RendererTexture(std::move(texture), life), glyphs->w, glyphs->h, 0});
    return &kept_.back();
}

void TextPainter::draw(const std::shared_ptr<const RendererLife>& life, int x, int y, std::string_view utf8,
                       SDL_Color colour) {
    if (!life || utf8.empty()) return;
    const std::uint32_t key = packed(colour);
    auto found = std::find_if(kept_.begin(), kept_.end(), [&](const Kept& kept) {
        return kept.colour == key && kept.text == utf8 && kept.texture.on(life);
    });
    Kept* text = found != kept_.end() ? &*found : render(life, utf8, colour);
    if (!text) return;
    text->lastUse = ++uses_;
    const SDL_Rect area{x, y, text->width, text->height};
    SDL_RenderCopy(life->renderer, text->texture.on(life), nullptr, &area);
}

}  // namespace orbo::sdl
