// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "game/render/ComposingDisplay.h"

namespace orbo::sdl {

// The play screen in memory. It needs no video driver, so tests and the headless
// driver compose real frames with it; a flip keeps the frame, which can then be
// saved as a picture.
class SoftwareDisplay : public ComposingDisplay {
public:
    SoftwareDisplay() = default;
    ~SoftwareDisplay() override { SoftwareDisplay::close(); }
    SoftwareDisplay(const SoftwareDisplay&) = delete;
    SoftwareDisplay& operator=(const SoftwareDisplay&) = delete;

    bool open() override;
    void close() override;
    // Shows the back buffer and hands back the frame shown before; never waits.
    bool flip() override;
    void showPointer(bool shown) override { pointerShown_ = shown; }

    bool pointerShown() const { return pointerShown_; }
    int flips() const { return flips_; }
    // The last flipped frame; it stays after the screen is closed, until it opens again.
    bool saveBmp(const std::filesystem::path& file) const;
    // A pixel of the last flipped frame, RGB565; 0 before the first flip.
    std::uint16_t shownPixel(int x, int y) const;

protected:
    // The areas the last flip changed.
    const std::vector<SDL_Rect>& lastChanges() const { return changes_; }

private:
    bool pointerShown_ = true;
    int flips_ = 0;
    std::vector<SDL_Rect> changes_;
};

}  // namespace orbo::sdl
