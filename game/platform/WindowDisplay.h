// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <filesystem>
#include <optional>
#include <string>

#include "game/core/ScreenSize.h"
#include "game/render/ComposingDisplay.h"
#include "game/render/FramePacer.h"
#include "game/render/PresentPath.h"
#include "game/render/SdlHandles.h"
#include "game/render/SdlSubsystem.h"
#include "game/render/SurfacePresenter.h"
#include "game/render/TexturePresenter.h"

namespace orbo::sdl {

// The play screen on the monitor: a full-screen window on the desktop's own mode
// (no mode change), or a window of 1024 x 768 that can be resized. Frames are
// composed in memory; a flip sends only the areas that changed, through the
// window's surface or a texture (see PresentPath), scaled to fit the window with
// its shape kept, then waits for the display.
class WindowDisplay : public ComposingDisplay {
public:
    // icon: the picture file of the window's icon.
    explicit WindowDisplay(std::filesystem::path icon = {}) : icon_(std::move(icon)) {}
    ~WindowDisplay() override { WindowDisplay::close(); }
    WindowDisplay(const WindowDisplay&) = delete;
    WindowDisplay& operator=(const WindowDisplay&) = delete;

    bool open() override;
    void close() override;
    bool flip() override;
    void showPointer(bool shown) override;

    // Full screen or a window; kept for every later session of the run.
    void setFullscreen(bool fullscreen);
    void toggleFullscreen() { setFullscreen(!fullscreen_); }
    bool fullscreen() const { return fullscreen_; }

    // The open window, for message boxes to stand over; null while closed.
    SDL_Window* window() const { return window_.get(); }
    // The path frames take to the monitor while open.
    PresentPath path() const { return path_; }

private:
    static int watchEvents(void* display, SDL_Event* event);
    bool openFailed(const std::string& what);
    SDL_Window* createWindow() const;

    std::filesystem::path icon_;
    std::optional<SubsystemLease> video_;
    UniqueWindow window_;
    PresentPath path_ = PresentPath::WindowSurface;
    std::optional<SurfacePresenter> surface_;
    TexturePresenter texture_;
    std::optional<FramePacer> pacer_;
    std::atomic<bool> deviceLost_ = false;
    std::atomic<bool> uncovered_ = false;
    bool fullscreen_ = true;
    // The window's size when not full screen, as the player last left it.
    int windowedWidth_ = ScreenWidth;
    int windowedHeight_ = ScreenHeight;
};

}  // namespace orbo::sdl
