// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/render/SoftwareDisplay.h"

#include "game/render/SdlSubsystem.h"

namespace orbo::sdl {

bool SoftwareDisplay::open() {
    prepareSdl();
    if (!startFrames()) {
        fail(std::string("Не удаётся создать экран в памяти: ") + SDL_GetError());
        return false;
    }
    return true;
}

// The frame on show stays, so it can still be saved; a new screen starts black.
void SoftwareDisplay::close() { stopDrawing(); }

bool SoftwareDisplay::flip() {
    if (!drawing()) {
        fail("Экран не открыт");
        return false;
    }
    changes_ = composer().flip();
    ++flips_;
    return true;
}

bool SoftwareDisplay::saveBmp(const std::filesystem::path& file) const {
    return started() && SDL_SaveBMP(&composer().frame(), file.c_str()) == 0;
}

std::uint16_t SoftwareDisplay::shownPixel(int x, int y) const {
    if (!started()) return 0;
    const SDL_Surface& frame = composer().frame();
    if (x < 0 || y < 0 || x >= frame.w || y >= frame.h) return 0;
    const auto* row = static_cast<const std::uint8_t*>(frame.pixels) + static_cast<std::ptrdiff_t>(y) * frame.pitch;
    return reinterpret_cast<const std::uint16_t*>(row)[x];
}

}  // namespace orbo::sdl
