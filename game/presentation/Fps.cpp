// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/presentation/Fps.h"

#include <cmath>
#include <locale>
#include <stdexcept>

#include "game/presentation/Presentation.h"

namespace orbo {
namespace {

constexpr std::int16_t FramesPerMeasure = 30;
constexpr float SecondsPerDay = 86400.0f;
// Far beyond any rate a display shows; keeps the rounding inside a long long.
constexpr double HighestShownRate = 1e12;

}  // namespace

std::string formatFps(float value, char decimalSeparator) {
    const double clamped = std::fmax(-HighestShownRate, std::fmin(HighestShownRate, std::isnan(value) ? 0.0 : value));
    const long long tenths = std::llround(clamped * 10.0);
    const long long magnitude = tenths < 0 ? -tenths : tenths;
    std::string text = tenths < 0 ? "-" : "";
    if (magnitude >= 10) text += std::to_string(magnitude / 10);
    text += decimalSeparator;
    text += static_cast<char>('0' + magnitude % 10);
    return text;
}

char userDecimalSeparator() {
    static const char separator = [] {
        try {
            return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
        } catch (const std::runtime_error&) {
            return '.';  // the environment names a locale the system does not have
        }
    }();
    return separator;
}

float secondsBetween(float earlier, float later) {
    const float interval = later - earlier;
    return interval < 0.0f ? interval + SecondsPerDay : interval;
}

void drawFps(Game& game, int x, int y) {
    FpsState& fps = game.fps;
    if (fps.fpsCounter == FramesPerMeasure) {
        const float now = game.platform.clock.secondsSinceMidnight();
        if (fps.fpsLastTime != 0.0f) {
            const float interval = secondsBetween(fps.fpsLastTime, now);
            // A clock too coarse to see the 30 frames pass keeps the last rate.
            if (interval > 0.0f) fps.fpsValue = FramesPerMeasure / interval;
        }
        fps.fpsLastTime = now;
        fps.fpsCounter = 0;
    }
    fps.fpsCounter += 1;
    game.platform.display.drawText(x, y, "FPS " + formatFps(fps.fpsValue, userDecimalSeparator()));
}

}  // namespace orbo
