// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "game/core/Platform.h"

namespace orbo::headless {

// A picture that holds no pixels, only its size and the name of its file.
class Picture : public Surface {
public:
    Picture(int width, int height, std::string file) : width_(width), height_(height), file_(std::move(file)) {}
    int width() const override { return width_; }
    int height() const override { return height_; }
    const std::string& file() const { return file_; }

private:
    int width_;
    int height_;
    std::string file_;
};

// A screen that keeps nothing of what is drawn, so a pass costs what the rules
// cost. Every picture loads, and every flip takes one frame of virtual time, as
// the wait for the display does on a real screen.
class BlindDisplay : public Display {
public:
    BlindDisplay(TickClock& clock, std::uint32_t frameMs) : clock_(clock), frameMs_(frameMs) {}

    bool open() override { return true; }
    void close() override {}
    std::string lastError() const override { return {}; }
    std::unique_ptr<Surface> loadSurface(int width, int height, std::int32_t colourKey,
                                         const std::filesystem::path& file) override;
    void clearBackBuffer() override {}
    void drawSprite(int, int, const Surface&, const Rect&) override {}
    bool flip() override {
        clock_.sleep(frameMs_);
        return true;
    }
    void setForeColor(std::uint32_t) override {}
    void drawText(int, int, std::string_view) override {}
    void drawLine(int, int, int, int) override {}
    void setDrawWidth(int) override {}
    void showPointer(bool) override {}

private:
    TickClock& clock_;
    std::uint32_t frameMs_;
};

}  // namespace orbo::headless
