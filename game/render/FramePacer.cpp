// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/FramePacer.h"

#include <algorithm>

namespace orbo::sdl {
namespace {

constexpr double UnknownRefreshHz = 60.0;
// A present that kept the loop this long was paced by the display (or the frame was slow).
constexpr double PacedShare = 0.9;

}  // namespace

FramePacer::FramePacer(double refreshHz)
    : period_(std::chrono::duration_cast<Duration>(
          std::chrono::duration<double>(1.0 / (refreshHz > 0.0 ? refreshHz : UnknownRefreshHz)))) {}

FramePacer::Duration FramePacer::sleepAfterPresent(Duration now) {
    if (!frameStart_) {
        frameStart_ = now;
        return Duration::zero();
    }
    const Duration frameTook = now - *frameStart_;
    if (static_cast<double>(frameTook.count()) >= PacedShare * static_cast<double>(period_.count())) {
        // Paced already; a late frame starts the next one at once rather than rushing to catch up.
        frameStart_ = now;
        return Duration::zero();
    }
    const Duration nextStart = *frameStart_ + period_;
    frameStart_ = nextStart;
    return std::clamp(nextStart - now, Duration::zero(), period_);
}

Placement fitPicture(int screenWidth, int screenHeight, int pictureWidth, int pictureHeight) {
    if (screenWidth <= 0 || screenHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) return {0, 0, 0, 0};
    // Twice the picture or more (a HiDPI screen): whole steps keep every pixel sharp.
    const int wholeSteps = std::min(screenWidth / pictureWidth, screenHeight / pictureHeight);
    if (wholeSteps >= 2) {
        const int width = pictureWidth * wholeSteps;
        const int height = pictureHeight * wholeSteps;
        return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
    }
    // Compare the shapes in whole numbers so that an exact fit gives exact sizes.
    const long long wide = static_cast<long long>(screenWidth) * pictureHeight;
    const long long tall = static_cast<long long>(screenHeight) * pictureWidth;
    int width = screenWidth;
    int height = screenHeight;
    if (wide > tall)
        width = static_cast<int>(static_cast<long long>(screenHeight) * pictureWidth / pictureHeight);
    else if (tall > wide)
        height = static_cast<int>(static_cast<long long>(screenWidth) * pictureHeight / pictureWidth);
    return {(screenWidth - width) / 2, (screenHeight - height) / 2, width, height};
}

}  // namespace orbo::sdl
