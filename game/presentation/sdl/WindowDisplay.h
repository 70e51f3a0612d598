#pragma once

#include <atomic>
#include <memory>
#include <optional>

#include "game/presentation/sdl/FramePacer.h"
#include "game/presentation/sdl/RendererDisplay.h"
#include "game/presentation/sdl/SdlHandles.h"
#include "game/presentation/sdl/SdlSubsystem.h"

namespace orbo::sdl {

// The play screen on the monitor: a full-screen window on the desktop's own mode
// (no mode change) with SDL's accelerated renderer. Frames are composed in one
// of two 1024 x 768 render-target textures; a flip scales it to fit the screen
// with its shape kept, presents it, waits for the display and hands back the
// other texture, holding the former frame, as the next back buffer.
class WindowDisplay : public RendererDisplay {
public:
    WindowDisplay() = default;
    ~WindowDisplay() override { close(); }
    WindowDisplay(const WindowDisplay&) = delete;
    WindowDisplay& operator=(const WindowDisplay&) = delete;

    bool open() override;
    void close() override;
    bool flip() override;
    void showPointer(bool shown) override;

    // The open window, for message boxes to stand over; null while closed.
    SDL_Window* window() const { return window_.get(); }

private:
    static int watchEvents(void* display, SDL_Event* event);
    bool openFailed(const char* what);

    std::optional<SubsystemLease> video_;
    UniqueWindow window_;
    UniqueRenderer renderer_;
    UniqueTexture backBuffer_;
    UniqueTexture frontBuffer_;  // the frame on the screen
    std::optional<FramePacer> pacer_;
    std::atomic<bool> deviceLost_ = false;
};

}  // namespace orbo::sdl
