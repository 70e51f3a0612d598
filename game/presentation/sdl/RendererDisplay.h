#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/presentation/sdl/RendererTexture.h"
#include "game/presentation/sdl/TextPainter.h"
#include "game/core/Platform.h"

namespace orbo::sdl {

// The drawing both screens share: the back buffer is whatever the renderer draws
// on, and every copy, fill, line and text goes through this one code, so that the
// window and the in-memory screen compose the same pixels. Pictures are RGB565
// with black keyed out, scaled at load and copied unscaled.
class RendererDisplay : public Display {
public:
    std::string lastError() const override { return error_; }
    std::unique_ptr<Surface> loadSurface(int width, int height, std::int32_t colourKey,
                                         const std::filesystem::path& file) override;
    void clearBackBuffer() override;
    void drawSprite(int x, int y, const Surface& source, const Rect& sourceArea) override;
    void setForeColor(std::uint32_t colour) override;
    void drawText(int x, int y, std::string_view utf8) override;
    void drawLine(int x1, int y1, int x2, int y2) override;
    void setDrawWidth(int width) override { drawWidth_ = width; }

    // The back buffer as it is now, RGB565 row by row; empty while closed.
    std::vector<std::uint16_t> readBackBuffer();

protected:
    // Draws on renderer's current target from now on, with fresh pen settings.
    void attach(SDL_Renderer* renderer);
    // Lets go of every texture made on the renderer, before it is destroyed.
    void detach();
    bool attached() const { return life_ != nullptr; }
    void fail(std::string error) { error_ = std::move(error); }

private:
    void fillRect(int x, int y, int width, int height);

    std::shared_ptr<const RendererLife> life_;
    std::string error_;
    SDL_Color fore_{0, 0, 0, SDL_ALPHA_OPAQUE};
    int drawWidth_ = 1;
    TextPainter text_;
};

}  // namespace orbo::sdl
