// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/core/Platform.h"
#include "game/render/FrameComposer.h"
#include "game/render/TextSurfaces.h"

namespace orbo::sdl {

// The drawing every screen shares: a frame is composed in memory, in RGB565 as
// the pictures are, and every copy, fill, line and text goes through this one
// code, so that the window and the in-memory screen compose the same pixels.
// Pictures are RGB565 with black keyed out, scaled at load and copied unscaled.
// The drawing is remembered step by step, so a flip knows which areas changed.
class ComposingDisplay : public Display {
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
    std::vector<std::uint16_t> readBackBuffer() const;

protected:
    // A fresh, black pair of frames and fresh pen settings; false when memory ran out.
    bool startFrames();
    // Drawing is ignored from now on; the frame on show stays.
    void stopDrawing() { drawing_ = false; }
    bool drawing() const { return drawing_; }
    bool started() const { return composer_.has_value(); }
    FrameComposer& composer() { return *composer_; }
    const FrameComposer& composer() const { return *composer_; }
    void fail(std::string error) { error_ = std::move(error); }

private:
    void fill(int x, int y, int width, int height);
    void plot(int x, int y);
    void add(DrawCommand command);

    std::optional<FrameComposer> composer_;
    std::string error_;
    SDL_Color fore_{0, 0, 0, SDL_ALPHA_OPAQUE};
    int drawWidth_ = 1;
    bool drawing_ = false;
    TextSurfaces texts_;
};

}  // namespace orbo::sdl
