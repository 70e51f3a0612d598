// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>

#include <SDL.h>

namespace orbo::sdl {

// Every pixel of a slanted line from (x1, y1) to (x2, y2), both ends included,
// as SDL's renderers step along it: the line is first cut to the screen, then
// walked with Bresenham's decision variable.
template <typename Plot>
void forEachLinePoint(int x1, int y1, int x2, int y2, int screenWidth, int screenHeight, Plot plot) {
    const SDL_Rect screen{0, 0, screenWidth, screenHeight};
    if (SDL_IntersectRectAndLine(&screen, &x1, &y1, &x2, &y2) != SDL_TRUE) return;
    const int deltaX = std::abs(x2 - x1);
    const int deltaY = std::abs(y2 - y1);
    const bool flat = deltaX >= deltaY;
    const int pixels = (flat ? deltaX : deltaY) + 1;
    int decision = flat ? 2 * deltaY - deltaX : 2 * deltaX - deltaY;
    const int straightStep = flat ? 2 * deltaY : 2 * deltaX;
    const int diagonalStep = flat ? 2 * (deltaY - deltaX) : 2 * (deltaX - deltaY);
    const int stepX = x1 > x2 ? -1 : 1;
    const int stepY = y1 > y2 ? -1 : 1;
    int x = x1;
    int y = y1;
    for (int i = 0; i < pixels; ++i) {
        plot(x, y);
        if (decision < 0) {
            decision += straightStep;
            if (flat)
                x += stepX;
            else
                y += stepY;
        } else {
            decision += diagonalStep;
            x += stepX;
            y += stepY;
        }
    }
}

}  // namespace orbo::sdl
