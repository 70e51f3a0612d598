#include "game/presentation/sdl/WindowDisplay.h"

#include <chrono>
#include <string>
#include <thread>
#include <utility>

#include "game/presentation/ScreenSize.h"

namespace orbo::sdl {
namespace {

constexpr const char* WindowTitle = "Orbo";

// The back buffer keeps the pictures' 16-bit pixels where the renderer can hold them.
Uint32 backBufferFormat(SDL_Renderer* renderer) {
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0)
        for (Uint32 i = 0; i < info.num_texture_formats; ++i)
            if (info.texture_formats[i] == SDL_PIXELFORMAT_RGB565) return SDL_PIXELFORMAT_RGB565;
    return SDL_PIXELFORMAT_ARGB8888;
}

std::chrono::nanoseconds steadyNow() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch());
}

}  // namespace

bool WindowDisplay::openFailed(const char* what) {
    fail(std::string(what) + SDL_GetError());
    close();
    return false;
}

bool WindowDisplay::open() {
    close();
    video_.emplace(SDL_INIT_VIDEO);
    if (!video_->ok()) return openFailed("Не удаётся включить экран: ");

    // Made at the desktop's size too, so that it covers the screen even where no
    // window manager makes it full screen.
    SDL_DisplayMode desktop{};
    const bool known = SDL_GetDesktopDisplayMode(0, &desktop) == 0 && desktop.w > 0 && desktop.h > 0;
    window_.reset(SDL_CreateWindow(WindowTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                   known ? desktop.w : ScreenWidth, known ? desktop.h : ScreenHeight,
                                   SDL_WINDOW_FULLSCREEN_DESKTOP));
    if (!window_) return openFailed("Не удаётся открыть окно игры: ");

    SDL_SetHint(SDL_HINT_RENDER_VSYNC, "1");
    constexpr Uint32 wanted = SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC | SDL_RENDERER_TARGETTEXTURE;
    renderer_.reset(SDL_CreateRenderer(window_.get(), -1, wanted));
    // Without a graphics driver SDL's software renderer still gives a working screen.
    if (!renderer_) renderer_.reset(SDL_CreateRenderer(window_.get(), -1, SDL_RENDERER_TARGETTEXTURE));
    if (!renderer_) return openFailed("Не удаётся начать рисование: ");

    const Uint32 format = backBufferFormat(renderer_.get());
    for (UniqueTexture* buffer : {&backBuffer_, &frontBuffer_}) {
        buffer->reset(SDL_CreateTexture(renderer_.get(), format, SDL_TEXTUREACCESS_TARGET, ScreenWidth, ScreenHeight));
        if (!*buffer || SDL_SetRenderTarget(renderer_.get(), buffer->get()) != 0)
            return openFailed("Не удаётся создать задний буфер: ");
        SDL_SetTextureScaleMode(buffer->get(), SDL_ScaleModeLinear);
        SDL_SetTextureBlendMode(buffer->get(), SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(renderer_.get(), 0, 0, 0, SDL_ALPHA_OPAQUE);
        SDL_RenderClear(renderer_.get());
    }
    if (SDL_SetRenderTarget(renderer_.get(), backBuffer_.get()) != 0) return openFailed("Не удаётся создать задний буфер: ");

    SDL_DisplayMode mode{};
    const int screen = SDL_GetWindowDisplayIndex(window_.get());
    pacer_.emplace(screen >= 0 && SDL_GetDesktopDisplayMode(screen, &mode) == 0 ? mode.refresh_rate : 0);
    deviceLost_ = false;
    SDL_AddEventWatch(&WindowDisplay::watchEvents, this);
    // The keys belong to the play screen, also where no window manager hands it the focus.
    SDL_RaiseWindow(window_.get());
    SDL_SetWindowInputFocus(window_.get());

    attach(renderer_.get());
    return true;
}

void WindowDisplay::close() {
    if (renderer_) SDL_DelEventWatch(&WindowDisplay::watchEvents, this);
    detach();
    backBuffer_.reset();
    frontBuffer_.reset();
    renderer_.reset();
    window_.reset();
    pacer_.reset();
    video_.reset();
}

int WindowDisplay::watchEvents(void* display, SDL_Event* event) {
    // The renderer lost its device: every texture, the sprites' included, is gone.
    if (event->type == SDL_RENDER_DEVICE_RESET) static_cast<WindowDisplay*>(display)->deviceLost_ = true;
    return 0;
}

bool WindowDisplay::flip() {
    if (!renderer_) {
        fail("Экран не открыт");
        return false;
    }
    if (deviceLost_) {
        fail("Изображение потеряно: видеоустройство было сброшено");
        return false;
    }
    SDL_Renderer* renderer = renderer_.get();
    int screenWidth = 0;
    int screenHeight = 0;
    SDL_SetRenderTarget(renderer, nullptr);
    SDL_GetRendererOutputSize(renderer, &screenWidth, &screenHeight);
    const Placement place = fitPicture(screenWidth, screenHeight, ScreenWidth, ScreenHeight);
    const SDL_Rect area{place.x, place.y, place.width, place.height};
    // Only the bars are filled: the picture covers the rest, and a software
    // rasteriser (a virtual X server) pays for every pixel cleared.
    const int right = place.x + place.width;
    const int bottom = place.y + place.height;
    const SDL_Rect bars[4] = {{0, 0, place.x, screenHeight},
                              {right, 0, screenWidth - right, screenHeight},
                              {0, 0, screenWidth, place.y},
                              {0, bottom, screenWidth, screenHeight - bottom}};
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderFillRects(renderer, bars, 4);
    const bool copied = SDL_RenderCopy(renderer, backBuffer_.get(), nullptr, &area) == 0;
    SDL_RenderPresent(renderer);
    // As a page flip does: the former frame becomes the back buffer.
    std::swap(backBuffer_, frontBuffer_);
    const bool targeted = SDL_SetRenderTarget(renderer, backBuffer_.get()) == 0;
    if (!copied || !targeted) {
        fail(std::string("Изображение потеряно: ") + SDL_GetError());
        return false;
    }
    std::this_thread::sleep_for(pacer_->sleepAfterPresent(steadyNow()));
    return true;
}

void WindowDisplay::showPointer(bool shown) {
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(shown ? SDL_ENABLE : SDL_DISABLE);
}

}  // namespace orbo::sdl
