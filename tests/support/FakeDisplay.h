// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "game/headless/BlindDisplay.h"

namespace orbo::test {

// A headless screen that keeps the pictures each shown frame held, so a test
// can read them back, and acts out the failures a real screen has.
class FakeDisplay : public headless::BlindDisplay {
public:
    // A picture's file where it was drawn.
    struct Blit {
        int x;
        int y;
        std::string file;
        bool operator==(const Blit&) const = default;
    };
    struct Frame {
        std::vector<Blit> blits;
        std::vector<std::string> texts;
    };

    explicit FakeDisplay(TickClock& clock, std::uint32_t frameMs = 16) : BlindDisplay(clock, frameMs) {}

    bool open() override;
    void close() override { isOpen_ = false; }
    std::string lastError() const override { return error_; }
    std::unique_ptr<Surface> loadSurface(int width, int height, std::int32_t colourKey,
                                         const std::filesystem::path& file) override;
    void clearBackBuffer() override { back_ = {}; }
    void drawSprite(int x, int y, const Surface& source, const Rect& sourceArea) override;
    void drawText(int, int, std::string_view utf8) override { back_.texts.emplace_back(utf8); }
    bool flip() override;
    void showPointer(bool shown) override { pointerShown_ = shown; }

    // Failures to act out.
    void failOpen(std::string error) { openError_ = std::move(error); }
    void loseScreenAfter(int flips) { flipsUntilLost_ = flips; }
    // Only files that exist load, as on a real screen.
    void requireFiles(bool required) { requireFiles_ = required; }

    bool isOpen() const { return isOpen_; }
    bool pointerShown() const { return pointerShown_; }
    int flips() const { return static_cast<int>(shown_.size()); }
    const std::vector<Frame>& shownFrames() const { return shown_; }
    const Frame& backBuffer() const { return back_; }
    const std::vector<std::string>& loadedFiles() const { return loaded_; }

private:
    bool isOpen_ = false;
    bool pointerShown_ = true;
    bool requireFiles_ = false;
    std::string openError_;
    std::string error_;
    int flipsUntilLost_ = -1;
    Frame back_;
    std::vector<Frame> shown_;
    std::vector<std::string> loaded_;
};

}  // namespace orbo::test
