// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "game/render/FramePacer.h"
#include "game/render/SdlHandles.h"

namespace orbo::sdl {

// Puts an RGB565 frame on a screen surface of another size and pixel format:
// scaled to fit with its shape kept (nearest pixel, which costs one table look-up
// a pixel), centred between black bars. Any area of the frame can be brought
// over on its own, so only what changed needs copying.
class ScreenScaler {
public:
    ScreenScaler(int frameWidth, int frameHeight, const SDL_Surface& screen);

    // False for a screen format it cannot write (only 2 and 4 bytes a pixel are done).
    bool supported() const { return bytesPerPixel_ == 2 || bytesPerPixel_ == 4; }
    // Whether it was made for a screen of this size and format.
    bool madeFor(const SDL_Surface& screen) const;
    const Placement& placement() const { return place_; }

    // Copies the frame's area to its place on the screen; answers the screen area written.
    SDL_Rect copy(const SDL_Surface& frame, SDL_Surface& screen, const SDL_Rect& area) const;
    // The black bars and the whole frame.
    void copyAll(const SDL_Surface& frame, SDL_Surface& screen) const;

private:
    template <typename Pixel>
    void copyRows(const SDL_Surface& frame, SDL_Surface& screen, const SDL_Rect& to) const;
    // The common case: the frame unscaled on a 32-bit XRGB screen, converted by arithmetic.
    void copyRowsUnscaledXrgb(const SDL_Surface& frame, SDL_Surface& screen, const SDL_Rect& to) const;

    int frameWidth_;
    int frameHeight_;
    int screenWidth_;
    int screenHeight_;
    std::uint32_t screenFormat_;
    int bytesPerPixel_;
    Placement place_;
    // For every screen column and row inside the placement, the frame's column and row it shows.
    std::vector<int> sourceColumn_;
    std::vector<int> sourceRow_;
    // For every frame column and row (and one past the end), the first screen column and row showing it or a later one.
    std::vector<int> firstColumn_;
    std::vector<int> firstRow_;
    // The screen's pixel value of every RGB565 value.
    std::vector<std::uint32_t> colours_;
    // True where the screen is XRGB and SDL's conversion is bit replication, as widenXrgb does it.
    bool widenByArithmetic_ = false;
};

}  // namespace orbo::sdl
