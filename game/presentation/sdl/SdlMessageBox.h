#pragma once

#include <functional>

#include "game/core/Platform.h"

struct SDL_Window;

namespace orbo::sdl {

// SDL's message box with the game's caption, over the play window while one is open.
class SdlMessageBox : public MessageBox {
public:
    explicit SdlMessageBox(std::function<SDL_Window*()> parent) : parent_(std::move(parent)) {}
    void show(std::string_view text, MessageIcon icon) override;

private:
    std::function<SDL_Window*()> parent_;
};

}  // namespace orbo::sdl
