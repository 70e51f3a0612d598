// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <vector>

#include "game/render/SdlHandles.h"

namespace orbo::test {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr std::uint16_t rgb565(Rgb c) {
    return static_cast<std::uint16_t>((c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3));
}

// A 24-bit BMP of width x height whose pixels, row by row, take the colours in
// turn: one colour fills it, as many as pixels draw each one.
inline void writeBmp(const std::filesystem::path& file, int width, int height, std::initializer_list<Rgb> colours) {
    const std::vector<Rgb> turn(colours);
    sdl::UniqueSurface picture(SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24));
    ASSERT_TRUE(picture);
    for (int i = 0; i < width * height; ++i) {
        const Rgb c = turn[static_cast<std::size_t>(i) % turn.size()];
        const SDL_Rect pixel{i % width, i / width, 1, 1};
        SDL_FillRect(picture.get(), &pixel, SDL_MapRGB(picture->format, c.r, c.g, c.b));
    }
    ASSERT_EQ(SDL_SaveBMP(picture.get(), file.c_str()), 0) << SDL_GetError();
}

// Whether two surfaces have the same size, format and pixels.
inline bool samePixels(const SDL_Surface& a, const SDL_Surface& b) {
    if (a.w != b.w || a.h != b.h || a.format->format != b.format->format) return false;
    const auto rowBytes = static_cast<std::size_t>(a.w * a.format->BytesPerPixel);
    for (int y = 0; y < a.h; ++y)
        if (std::memcmp(static_cast<const std::uint8_t*>(a.pixels) + y * a.pitch,
                        static_cast<const std::uint8_t*>(b.pixels) + y * b.pitch, rowBytes) != 0)
            return false;
    return true;
}

}  // namespace orbo::test
