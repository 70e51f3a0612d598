// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

#include "game/render/DrawList.h"
#include "game/render/SdlHandles.h"

namespace orbo::sdl {

// Two frames as draw lists, the one being drawn and the one on show, and the
// RGB565 pixels of the one on show. A flip redraws only the blocks whose drawing
// steps changed, so a still picture costs no pixel work at all, and says which
// areas changed, so that only those need to reach the screen.
class FrameComposer {
public:
    FrameComposer(int width, int height);

    bool ok() const { return frame_ != nullptr; }
    DrawList& back() { return *back_; }
    const DrawList& back() const { return *back_; }
    const DrawList& shown() const { return *shown_; }
    // The pixels on show; only flip() and restart() change them.
    SDL_Surface& frame() const { return *frame_; }

    // Shows the back list; as a page flip does, the former frame's list becomes
    // the back list. Answers the changed areas, merged into few rectangles.
    const std::vector<SDL_Rect>& flip();
    // Both frames empty and the pixels black, as on a new screen.
    void restart();

    // The list drawn whole on black into target's area, as a full recomposition would.
    static void compose(const DrawList& list, SDL_Surface& target, const SDL_Rect& area);

private:
    void redrawBlock(int block);
    void collectChanged();

    DrawList lists_[2];
    DrawList* back_ = &lists_[0];
    DrawList* shown_ = &lists_[1];
    UniqueSurface frame_;
    std::vector<std::uint8_t> dirty_;
    std::vector<SDL_Rect> changed_;
};

// One step drawn with everything outside clip left alone.
void drawCommand(const DrawCommand& command, SDL_Surface& target, const SDL_Rect& clip);

}  // namespace orbo::sdl
