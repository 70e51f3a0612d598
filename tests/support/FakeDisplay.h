#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "game/headless/BlindDisplay.h"

namespace orbo::test {

// A headless screen that records what is drawn, so a test can read the frame
// back, and acts out the failures a real screen has.
class FakeDisplay : public headless::BlindDisplay {
public:
    struct Blit {
        int x;
        int y;
        std::string file;
    };
    struct Text {
        int x;
        int y;
        std::string text;
        std::uint32_t colour;
    };
    struct Line {
        int x1, y1, x2, y2;
        int width;
        std::uint32_t colour;
    };
    // What one frame held.
    struct Frame {
        std::vector<Blit> blits;
        std::vector<Text> texts;
        std::vector<Line> lines;
    };

    explicit FakeDisplay(TickClock& clock, std::uint32_t frameMs = 16) : BlindDisplay(clock, frameMs) {}

    bool open() override;
    void close() override { isOpen_ = false; }
    std::string lastError() const override { return error_; }
    std::unique_ptr<Surface> loadSurface(int width, int height, std::int32_t colourKey,
                                         const std::filesystem::path& file) override;
    void clearBackBuffer() override { current_ = {}; }
    void drawSprite(int x, int y, const Surface& source, const Rect& sourceArea) override;
    bool flip() override;
    void setForeColor(std::uint32_t colour) override { colour_ = colour; }
    void drawText(int x, int y, std::string_view utf8) override {
        current_.texts.push_back({x, y, std::string(utf8), colour_});
    }
    void drawLine(int x1, int y1, int x2, int y2) override {
        current_.lines.push_back({x1, y1, x2, y2, width_, colour_});
    }
    void setDrawWidth(int width) override { width_ = width; }
    void showPointer(bool shown) override { pointerShown_ = shown; }

    // Failures to act out.
    void failOpen(std::string error) { openError_ = std::move(error); }
    void loseScreenAfter(int flips) { flipsUntilLost_ = flips; }
    // Only files that exist load, as on a real screen.
    void requireFiles(bool required) { requireFiles_ = required; }

    bool isOpen() const { return isOpen_; }
    bool pointerShown() const { return pointerShown_; }
    int flips() const { return flips_; }
    const Frame& lastFrame() const { return last_; }
    const Frame& backBuffer() const { return current_; }
    const std::vector<std::string>& loadedFiles() const { return loaded_; }

private:
    bool isOpen_ = false;
    bool pointerShown_ = true;
    bool requireFiles_ = false;
    std::string openError_;
    std::string error_;
    int flipsUntilLost_ = -1;
    int flips_ = 0;
    std::uint32_t colour_ = 0xFFFFFF;
    int width_ = 1;
    Frame current_;
    Frame last_;
    std::vector<std::string> loaded_;
};

}  // namespace orbo::test
