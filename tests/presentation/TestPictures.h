#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>

#include "game/presentation/sdl/SdlHandles.h"

namespace orbo::test {

struct Rgb {
    std::uint8_t r, g, b;
};

constexpr std::uint16_t rgb565(Rgb c) {
    return static_cast<std::uint16_t>((c.r >> 3) << 11 | (c.g >> 2) << 5 | (c.b >> 3));
}

// A 24-bit BMP of width x height, every pixel `fill`.
inline void writeBmp(const std::filesystem::path& file, int width, int height, Rgb fill) {
    std::filesystem::create_directories(file.parent_path());
    sdl::UniqueSurface picture(SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24));
    ASSERT_TRUE(picture);
    SDL_FillRect(picture.get(), nullptr, SDL_MapRGB(picture->format, fill.r, fill.g, fill.b));
    ASSERT_EQ(SDL_SaveBMP(picture.get(), file.c_str()), 0) << SDL_GetError();
}

// A 24-bit BMP of one row holding the given colours from left to right.
inline void writeBmpRow(const std::filesystem::path& file, std::initializer_list<Rgb> colours) {
    std::filesystem::create_directories(file.parent_path());
    const int width = static_cast<int>(colours.size());
    sdl::UniqueSurface picture(SDL_CreateRGBSurfaceWithFormat(0, width, 1, 24, SDL_PIXELFORMAT_RGB24));
    ASSERT_TRUE(picture);
    int x = 0;
    for (const Rgb colour : colours) {
        const SDL_Rect pixel{x++, 0, 1, 1};
        SDL_FillRect(picture.get(), &pixel, SDL_MapRGB(picture->format, colour.r, colour.g, colour.b));
    }
    ASSERT_EQ(SDL_SaveBMP(picture.get(), file.c_str()), 0) << SDL_GetError();
}

// A 2 x 2 BMP: top left, top right, bottom left, bottom right.
inline void writeQuarters(const std::filesystem::path& file, Rgb topLeft, Rgb topRight, Rgb bottomLeft, Rgb bottomRight) {
    std::filesystem::create_directories(file.parent_path());
    sdl::UniqueSurface picture(SDL_CreateRGBSurfaceWithFormat(0, 2, 2, 24, SDL_PIXELFORMAT_RGB24));
    ASSERT_TRUE(picture);
    const Rgb colours[4] = {topLeft, topRight, bottomLeft, bottomRight};
    for (int i = 0; i < 4; ++i) {
        const SDL_Rect pixel{i % 2, i / 2, 1, 1};
        SDL_FillRect(picture.get(), &pixel, SDL_MapRGB(picture->format, colours[i].r, colours[i].g, colours[i].b));
    }
    ASSERT_EQ(SDL_SaveBMP(picture.get(), file.c_str()), 0) << SDL_GetError();
}

}  // namespace orbo::test
