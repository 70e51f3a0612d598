#pragma once

#include <cstdint>
#include <memory>

#include "game/core/Platform.h"

namespace orbo::sim {

// The screen of a run without --shot: it keeps nothing of what is drawn, so a
// pass costs what the rules cost. Every picture loads, and every flip takes one
// frame of virtual time, as on the recording fake screen.
class BlindDisplay : public Display {
public:
    BlindDisplay(TickClock& clock, std::uint32_t frameMs) : clock_(clock), frameMs_(frameMs) {}

    bool open() override { return true; }
    void close() override {}
    std::string lastError() const override { return {}; }
    std::unique_ptr<Surface> loadSurface(int width, int height, std::int32_t, const std::filesystem::path&) override {
        return std::make_unique<Picture>(width, height);
    }
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
    class Picture : public Surface {
    public:
        Picture(int width, int height) : width_(width), height_(height) {}
        int width() const override { return width_; }
        int height() const override { return height_; }

    private:
        int width_;
        int height_;
    };

    TickClock& clock_;
    std::uint32_t frameMs_;
};

}  // namespace orbo::sim
