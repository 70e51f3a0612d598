#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game/presentation/sdl/RendererTexture.h"

namespace orbo::sdl {

// Text in the system's sans font, about 16 pixels high, on a transparent
// background. Rendered texts are kept as textures: the status line changes
// rarely, so most frames draw it without rendering a glyph.
class TextPainter {
public:
    TextPainter();
    ~TextPainter();
    TextPainter(const TextPainter&) = delete;
    TextPainter& operator=(const TextPainter&) = delete;

    // Draws with the top-left corner at (x, y); nothing when no font can be had.
    void draw(const std::shared_ptr<const RendererLife>& life, int x, int y, std::string_view utf8, SDL_Color colour);
    // Drops the kept textures; the renderer is about to go.
    void forget() { kept_.clear(); }

    static constexpr int LineHeight = 16;
    static constexpr std::size_t KeptTexts = 64;

private:
    struct Kept {
        std::string text;
        std::uint32_t colour;
        RendererTexture texture;
        int width;
        int height;
        std::uint64_t lastUse;
    };

    TTF_Font* font();
    Kept* render(const std::shared_ptr<const RendererLife>& life, std::string_view utf8, SDL_Color colour);

    bool ttfStarted_ = false;
    bool fontTried_ = false;
    UniqueFont font_;
    std::vector<Kept> kept_;
    std::uint64_t uses_ = 0;
};

}  // namespace orbo::sdl
