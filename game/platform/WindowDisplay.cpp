// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/platform/WindowDisplay.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>

#include "common/DesktopNames.h"
#include "game/core/ScreenSize.h"
#include "game/render/PictureFile.h"

namespace orbo::sdl {
namespace {

constexpr const char* WindowTitle = "Orbo";

std::chrono::nanoseconds steadyNow() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

// Window events after which the window's content must be sent again.
bool uncovers(const SDL_WindowEvent& event) {
    switch (event.event) {
        case SDL_WINDOWEVENT_EXPOSED:
        case SDL_WINDOWEVENT_SHOWN:
        case SDL_WINDOWEVENT_RESTORED:
        case SDL_WINDOWEVENT_SIZE_CHANGED: return true;
        default: return false;
    }
}

}  // namespace

bool WindowDisplay::openFailed(const std::string& what) {
    fail(what + SDL_GetError());
    close();
    return false;
}

SDL_Window* WindowDisplay::createWindow() const {
    const Uint32 flags = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;
    if (!fullscreen_)
        return SDL_CreateWindow(WindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, windowedWidth_,
                                windowedHeight_, flags);
    // Made at the desktop's size too, so that it covers the screen even where no
    // window manager makes it full screen.
    SDL_DisplayMode desktop{};
    const bool known = SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0;
    return SDL_CreateWindow(WindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                            known ? desktop.w : ScreenWidth, known ? desktop.h : ScreenHeight,
                            flags | SDL_WINDOW_FULLSCREEN_DESKTOP);
}

bool WindowDisplay::open() {
    close();
    // Read as the video starts: the desktop groups the play screen with the menu under the game's entry.
    SDL_setenv("SDL_VIDEO_X11_WMCLASS", desktop::GameId, 0);
    SDL_setenv("SDL_VIDEO_WAYLAND_WMCLASS", desktop::GameId, 0);
    video_.emplace(SDL_INIT_VIDEO);
    if (!video_->ok()) return openFailed("Не удаётся включить экран: ");

    const char* forced = SDL_getenv(ScreenPathVariable);
    const std::string_view forcedPath = forced ? forced : "";
    const bool forcedKnown = forcedPath == "surface" || forcedPath == "texture";
    PathChoice choice = choosePresentPath(forcedPath, forcedKnown ? std::string() : openGlRendererName());
    // SDL would otherwise back the window's surface with an OpenGL texture of its own.
    if (choice.path == PresentPath::WindowSurface) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");

    window_.reset(createWindow());
    if (!window_) return openFailed("Не удаётся открыть окно игры: ");
    if (const UniqueSurface icon = loadIcon(icon_)) SDL_SetWindowIcon(window_.get(), icon.get());

    if (choice.path == PresentPath::WindowSurface) {
        surface_.emplace(window_.get());
        if (!surface_->start()) {
            surface_.reset();
            choice = {PresentPath::Texture, "the window's surface cannot be written"};
        }
    }
    path_ = choice.path;
    std::string error;
    if (path_ == PresentPath::Texture && !texture_.start(window_.get(), error))
        return openFailed("Не удаётся начать рисование: ");
    if (!startFrames()) return openFailed("Не удаётся создать задний буфер: ");
    std::cerr << "orbo: play screen through "
              << (path_ == PresentPath::WindowSurface ? "the window surface"
                                                      : "a texture on the " + texture_.name() + " renderer")
              << ", changed rectangles only (" << choice.reason << ")\n";

    SDL_DisplayMode mode{};
    const int screen = SDL_GetWindowDisplayIndex(window_.get());
    pacer_.emplace(screen >= 0 && SDL_GetDesktopDisplayMode(screen, &mode) == 0 ? mode.refresh_rate : 0);
    deviceLost_ = false;
    uncovered_ = true;
    SDL_AddEventWatch(&WindowDisplay::watchEvents, this);
    // The keys belong to the play screen, also where no window manager hands it the focus.
    SDL_RaiseWindow(window_.get());
    SDL_SetWindowInputFocus(window_.get());
    return true;
}

void WindowDisplay::close() {
    if (window_) SDL_DelEventWatch(&WindowDisplay::watchEvents, this);
    stopDrawing();
    surface_.reset();
    texture_.stop();
    window_.reset();
    pacer_.reset();
    video_.reset();
}

int WindowDisplay::watchEvents(void* display, SDL_Event* event) {
    auto* self = static_cast<WindowDisplay*>(display);
    // The renderer lost its device: the texture is gone.
    if (event->type == SDL_RENDER_DEVICE_RESET) self->deviceLost_ = true;
    if (event->type == SDL_WINDOWEVENT && uncovers(event->window)) self->uncovered_ = true;
    return 0;
}

bool WindowDisplay::flip() {
    if (!window_ || !drawing()) {
        fail("Экран не открыт");
        return false;
    }
    if (deviceLost_) {
        fail("Изображение потеряно: видеоустройство было сброшено");
        return false;
    }
    const std::vector<SDL_Rect>& changed = composer().flip();
    const bool everything = uncovered_.exchange(false);
    const SDL_Surface& frame = composer().frame();
    const bool shown =
        surface_ ? surface_->present(frame, changed, everything) : texture_.present(frame, changed, everything);
    if (!shown) {
        fail(std::string("Изображение потеряно: ") + SDL_GetError());
        return false;
    }
    std::this_thread::sleep_for(pacer_->sleepAfterPresent(steadyNow()));
    return true;
}

void WindowDisplay::setFullscreen(bool fullscreen) {
    if (fullscreen == fullscreen_) return;
    SDL_Window* window = window_.get();
    if (window && fullscreen) {
        SDL_GetWindowSize(window, &windowedWidth_, &windowedHeight_);
        // Covering the screen first, as a window opened full screen does, also
        // where no window manager makes it full screen.
        SDL_Rect screen{};
        if (SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window), 0), &screen) == 0) {
            SDL_SetWindowPosition(window, screen.x, screen.y);
            SDL_SetWindowSize(window, screen.w, screen.h);
        }
    }
    if (window && SDL_SetWindowFullscreen(window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        std::cerr << "orbo: cannot switch the play screen " << (fullscreen ? "to full screen" : "to a window") << ": "
                  << SDL_GetError() << '\n';
        return;
    }
    fullscreen_ = fullscreen;
    if (window && !fullscreen) {
        // A window made full screen would come back at the desktop's size.
        SDL_SetWindowSize(window, windowedWidth_, windowedHeight_);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    uncovered_ = true;
}

void WindowDisplay::showPointer(bool shown) {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace orbo::sdl
