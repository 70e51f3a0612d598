// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/ScreenScaler.h"

#include <algorithm>
#include <cstring>

namespace orbo::sdl {
namespace {

// Nearest pixel: screen pixel i of count shows the source pixel under its centre.
std::vector<int> sourceOf(int count, int sourceCount) {
    std::vector<int> source(static_cast<std::size_t>(std::max(count, 0)));
    for (int i = 0; i < count; ++i)
        source[static_cast<std::size_t>(i)] = static_cast<int>((2LL * i + 1) * sourceCount / (2LL * count));
    return source;
}

std::vector<int> firstShowing(const std::vector<int>& source, int sourceCount) {
    std::vector<int> first(static_cast<std::size_t>(sourceCount) + 1, static_cast<int>(source.size()));
    for (int i = static_cast<int>(source.size()) - 1; i >= 0; --i)
        first[static_cast<std::size_t>(source[static_cast<std::size_t>(i)])] = i;
    for (int s = sourceCount - 1; s >= 0; --s)
        first[static_cast<std::size_t>(s)] =
            std::min(first[static_cast<std::size_t>(s)], first[static_cast<std::size_t>(s) + 1]);
    return first;
}

// A 16-bit pixel as 32-bit XRGB, each channel's top bits repeated below it.
constexpr std::uint32_t widenXrgb(std::uint32_t pixel) {
    const std::uint32_t r = pixel >> 11 & 0x1F;
    const std::uint32_t g = pixel >> 5 & 0x3F;
    const std::uint32_t b = pixel & 0x1F;
    return (r << 3 | r >> 2) << 16 | (g << 2 | g >> 4) << 8 | (b << 3 | b >> 2);
}

}  // namespace

ScreenScaler::ScreenScaler(int frameWidth, int frameHeight, const SDL_Surface& screen)
    : frameWidth_(frameWidth),
      frameHeight_(frameHeight),
      screenWidth_(screen.w),
      screenHeight_(screen.h),
      screenFormat_(screen.format->format),
      bytesPerPixel_(screen.format->BytesPerPixel),
      place_(fitPicture(screen.w, screen.h, frameWidth, frameHeight)),
      sourceColumn_(sourceOf(place_.width, frameWidth)),
      sourceRow_(sourceOf(place_.height, frameHeight)),
      firstColumn_(firstShowing(sourceColumn_, frameWidth)),
      firstRow_(firstShowing(sourceRow_, frameHeight)) {
    if (!supported()) return;
    // SDL's own conversion of every 16-bit value, so the colours are exactly SDL's.
    std::vector<std::uint16_t> all(65536);
    for (std::size_t value = 0; value < all.size(); ++value) all[value] = static_cast<std::uint16_t>(value);
    std::vector<std::uint8_t> converted(all.size() * static_cast<std::size_t>(bytesPerPixel_));
    SDL_ConvertPixels(256, 256, SDL_PIXELFORMAT_RGB565, all.data(), 256 * 2, screenFormat_, converted.data(),
                      256 * bytesPerPixel_);
    colours_.resize(all.size());
    widenByArithmetic_ = bytesPerPixel_ == 4;
    for (std::size_t value = 0; value < all.size(); ++value) {
        if (bytesPerPixel_ == 4) {
            std::uint32_t pixel;
            std::memcpy(&pixel, converted.data() + value * 4, 4);
            colours_[value] = pixel;
            // The padding byte is left as SDL leaves it; only the colour bits must agree.
            widenByArithmetic_ = widenByArithmetic_ &&
                                 (pixel & 0xFFFFFF) == widenXrgb(static_cast<std::uint32_t>(value)) &&
                                 pixel >> 24 == colours_[0] >> 24;
        } else {
            std::uint16_t pixel;
            std::memcpy(&pixel, converted.data() + value * 2, 2);
            colours_[value] = pixel;
        }
    }
}

bool ScreenScaler::madeFor(const SDL_Surface& screen) const {
    return screen.w == screenWidth_ && screen.h == screenHeight_ && screen.format->format == screenFormat_;
}

template <typename Pixel>
void ScreenScaler::copyRows(const SDL_Surface& frame, SDL_Surface& screen, const SDL_Rect& to) const {
    const auto* frameBytes = static_cast<const std::uint8_t*>(frame.pixels);
    auto* screenBytes = static_cast<std::uint8_t*>(screen.pixels);
    int lastSourceRow = -1;
    const Pixel* lastRow = nullptr;
    for (int y = to.y; y < to.y + to.h; ++y) {
        auto* row = reinterpret_cast<Pixel*>(screenBytes + static_cast<std::ptrdiff_t>(y) * screen.pitch) + to.x;
        const int sourceRow = sourceRow_[static_cast<std::size_t>(y - place_.y)];
        if (sourceRow == lastSourceRow) {
            // A frame row shown twice is copied from the screen row above.
            std::memcpy(row, lastRow, static_cast<std::size_t>(to.w) * sizeof(Pixel));
            continue;
        }
        const auto* source =
            reinterpret_cast<const std::uint16_t*>(frameBytes + static_cast<std::ptrdiff_t>(sourceRow) * frame.pitch);
        const int* column = sourceColumn_.data() + (to.x - place_.x);
        for (int x = 0; x < to.w; ++x) row[x] = static_cast<Pixel>(colours_[source[column[x]]]);
        lastSourceRow = sourceRow;
        lastRow = row;
    }
}

void ScreenScaler::copyRowsUnscaledXrgb(const SDL_Surface& frame, SDL_Surface& screen, const SDL_Rect& to) const {
    const std::uint32_t padding = colours_[0] & 0xFF000000;
    for (int y = to.y; y < to.y + to.h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(screen.pixels) +
                                                     static_cast<std::ptrdiff_t>(y) * screen.pitch) +
                    to.x;
        const auto* source =
            reinterpret_cast<const std::uint16_t*>(static_cast<const std::uint8_t*>(frame.pixels) +
                                                   static_cast<std::ptrdiff_t>(y - place_.y) * frame.pitch) +
            (to.x - place_.x);
        for (int x = 0; x < to.w; ++x) row[x] = widenXrgb(source[x]) | padding;
    }
}

SDL_Rect ScreenScaler::copy(const SDL_Surface& frame, SDL_Surface& screen, const SDL_Rect& area) const {
    const int left = firstColumn_[static_cast<std::size_t>(std::clamp(area.x, 0, frameWidth_))];
    const int right = firstColumn_[static_cast<std::size_t>(std::clamp(area.x + area.w, 0, frameWidth_))];
    const int top = firstRow_[static_cast<std::size_t>(std::clamp(area.y, 0, frameHeight_))];
    const int bottom = firstRow_[static_cast<std::size_t>(std::clamp(area.y + area.h, 0, frameHeight_))];
    const SDL_Rect to{place_.x + left, place_.y + top, right - left, bottom - top};
    if (to.w <= 0 || to.h <= 0 || !supported() || frame.w != frameWidth_ || frame.h != frameHeight_)
        return {0, 0, 0, 0};
    if (widenByArithmetic_ && place_.width == frameWidth_ && place_.height == frameHeight_)
        copyRowsUnscaledXrgb(frame, screen, to);
    else if (bytesPerPixel_ == 4)
        copyRows<std::uint32_t>(frame, screen, to);
    else
        copyRows<std::uint16_t>(frame, screen, to);
    return to;
}

void ScreenScaler::copyAll(const SDL_Surface& frame, SDL_Surface& screen) const {
    SDL_FillRect(&screen, nullptr, SDL_MapRGB(screen.format, 0, 0, 0));
    copy(frame, screen, {0, 0, frameWidth_, frameHeight_});
}

}  // namespace orbo::sdl
