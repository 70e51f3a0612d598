#include "game/presentation/sdl/SoftwareDisplay.h"

#include <algorithm>

#include "game/presentation/ScreenSize.h"
#include "game/presentation/sdl/PictureFile.h"
#include "game/presentation/sdl/SdlSubsystem.h"

namespace orbo::sdl {

bool SoftwareDisplay::open() {
    close();
    prepareSdl();
    backBuffer_ = makeSurface565(ScreenWidth, ScreenHeight);
    if (!shown_) shown_ = makeSurface565(ScreenWidth, ScreenHeight);
    if (backBuffer_ && shown_) renderer_.reset(SDL_CreateSoftwareRenderer(backBuffer_.get()));
    if (!renderer_) {
        fail(std::string("Не удаётся создать экран в памяти: ") + SDL_GetError());
        backBuffer_.reset();
        return false;
    }
    attach(renderer_.get());
    clearBackBuffer();
    // A new screen shows black; the last session's final frame is not handed back by the first flip.
    SDL_FillRect(shown_.get(), nullptr, 0);
    return true;
}

void SoftwareDisplay::close() {
    detach();
    renderer_.reset();
    backBuffer_.reset();
}

bool SoftwareDisplay::flip() {
    if (!renderer_) {
        fail("Экран не открыт");
        return false;
    }
    SDL_RenderFlush(renderer_.get());
    // As a page flip does: the frame is shown and the former one becomes the back buffer.
    // Whole words at a time: SDL aligns surface pixels, and a row of 1024 pixels is a multiple of 8 bytes.
    auto* back = static_cast<std::uint64_t*>(backBuffer_->pixels);
    auto* shown = static_cast<std::uint64_t*>(shown_->pixels);
    const std::size_t words = static_cast<std::size_t>(backBuffer_->pitch) * static_cast<std::size_t>(backBuffer_->h) / sizeof(std::uint64_t);
    std::swap_ranges(back, back + words, shown);
    ++flips_;
    return true;
}

bool SoftwareDisplay::saveBmp(const std::filesystem::path& file) const {
    return shown_ && SDL_SaveBMP(shown_.get(), file.c_str()) == 0;
}

std::uint16_t SoftwareDisplay::shownPixel(int x, int y) const {
    if (!shown_ || x < 0 || y < 0 || x >= shown_->w || y >= shown_->h) return 0;
    const auto* row = static_cast<const std::uint8_t*>(shown_->pixels) + static_cast<std::ptrdiff_t>(y) * shown_->pitch;
    return reinterpret_cast<const std::uint16_t*>(row)[x];
}

}  // namespace orbo::sdl
