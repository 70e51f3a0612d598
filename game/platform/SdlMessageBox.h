// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

#include "game/core/Platform.h"

struct SDL_Window;

namespace orbo::sdl {

// SDL's message box with the game's caption, over the play window while one is open.
class SdlMessageBox : public MessageBox {
public:
    // Shows a message where SDL cannot (no dialog helper, no X fonts).
    using Fallback = std::function<void(std::string_view text, MessageIcon icon)>;

    explicit SdlMessageBox(std::function<SDL_Window*()> parent, Fallback fallback = {})
        : parent_(std::move(parent)), fallback_(std::move(fallback)) {}
    void show(std::string_view text, MessageIcon icon) override;

private:
    std::function<SDL_Window*()> parent_;
    Fallback fallback_;
};

}  // namespace orbo::sdl
