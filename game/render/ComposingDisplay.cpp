// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/ComposingDisplay.h"

#include <algorithm>
#include <cstdlib>

#include "game/core/ScreenSize.h"
#include "game/render/LinePoints.h"
#include "game/render/PictureFile.h"
#include "game/render/SdlPicture.h"

namespace orbo::sdl {
namespace {

Uint32 pixel565(SDL_Color colour) {
    return static_cast<Uint32>((colour.r >> 3) << 11 | (colour.g >> 2) << 5 | (colour.b >> 3));
}

}  // namespace

std::unique_ptr<Surface> ComposingDisplay::loadSurface(int width, int height, std::int32_t colourKey,
                                                       const std::filesystem::path& file) {
    std::string error;
    UniqueSurface pixels = loadPicture565(file, width, height, static_cast<std::uint32_t>(colourKey), error);
    if (!pixels) {
        fail(file.string() + ": " + error);
        return nullptr;
    }
    return std::make_unique<SdlPicture>(std::move(pixels));
}

bool ComposingDisplay::startFrames() {
    drawing_ = false;
    composer_.emplace(ScreenWidth, ScreenHeight);
    if (!composer_->ok()) {
        composer_.reset();
        return false;
    }
    fore_ = {0, 0, 0, SDL_ALPHA_OPAQUE};
    drawWidth_ = 1;
    drawing_ = true;
    return true;
}

void ComposingDisplay::add(DrawCommand command) {
    if (drawing_) composer_->back().add(std::move(command));
}

void ComposingDisplay::clearBackBuffer() {
    if (drawing_) composer_->back().clear();
}

void ComposingDisplay::drawSprite(int x, int y, const Surface& source, const Rect& sourceArea) {
    const auto* picture = dynamic_cast<const SdlPicture*>(&source);
    if (!picture) return;
    const int left = std::clamp(sourceArea.left, 0, picture->width());
    const int top = std::clamp(sourceArea.top, 0, picture->height());
    const int right = std::clamp(sourceArea.right, left, picture->width());
    const int bottom = std::clamp(sourceArea.bottom, top, picture->height());
    DrawCommand copy;
    copy.kind = DrawCommand::Kind::KeyedCopy;
    copy.to = {x, y, right - left, bottom - top};
    copy.from = {left, top};
    copy.source = SurfaceRef(picture->pixels());
    add(std::move(copy));
}

void ComposingDisplay::setForeColor(std::uint32_t colour) {
    fore_ = {static_cast<Uint8>(colour & 0xFF), static_cast<Uint8>(colour >> 8 & 0xFF),
             static_cast<Uint8>(colour >> 16 & 0xFF), SDL_ALPHA_OPAQUE};
}

void ComposingDisplay::drawText(int x, int y, std::string_view utf8) {
    if (!drawing_) return;
    SDL_Surface* glyphs = texts_.get(utf8, fore_);
    if (!glyphs) return;
    DrawCommand text;
    text.kind = DrawCommand::Kind::Blend;
    text.to = {x, y, glyphs->w, glyphs->h};
    text.source = SurfaceRef(glyphs);
    add(std::move(text));
}

void ComposingDisplay::fill(int x, int y, int width, int height) {
    DrawCommand area;
    area.to = {x, y, width, height};
    area.pixel = pixel565(fore_);
    add(std::move(area));
}

void ComposingDisplay::plot(int x, int y) { fill(x, y, 1, 1); }

void ComposingDisplay::drawLine(int x1, int y1, int x2, int y2) {
    if (!drawing_) return;
    // A wide pen lies centred on the line; like the system's pen, it stops short of the end point.
    const int width = std::max(drawWidth_, 1);
    const int before = width / 2;
    if (y1 == y2) {
        fill(std::min(x1, x2), y1 - before, std::abs(x2 - x1), width);
        return;
    }
    if (x1 == x2) {
        fill(x1 - before, std::min(y1, y2), width, std::abs(y2 - y1));
        return;
    }
    const bool flat = std::abs(x2 - x1) >= std::abs(y2 - y1);
    for (int offset = -before; offset < width - before; ++offset) {
        const int dx = flat ? 0 : offset;
        const int dy = flat ? offset : 0;
        forEachLinePoint(x1 + dx, y1 + dy, x2 + dx, y2 + dy, ScreenWidth, ScreenHeight,
                         [this](int x, int y) { plot(x, y); });
    }
}

std::vector<std::uint16_t> ComposingDisplay::readBackBuffer() const {
    if (!drawing_) return {};
    const UniqueSurface scratch = makeSurface565(ScreenWidth, ScreenHeight);
    if (!scratch) return {};
    FrameComposer::compose(composer_->back(), *scratch, {0, 0, ScreenWidth, ScreenHeight});
    std::vector<std::uint16_t> pixels(static_cast<std::size_t>(ScreenWidth) * ScreenHeight);
    for (int y = 0; y < ScreenHeight; ++y) {
        const auto* row =
            static_cast<const std::uint8_t*>(scratch->pixels) + static_cast<std::ptrdiff_t>(y) * scratch->pitch;
        std::copy_n(reinterpret_cast<const std::uint16_t*>(row), ScreenWidth, pixels.begin() + y * ScreenWidth);
    }
    return pixels;
}

}  // namespace orbo::sdl
