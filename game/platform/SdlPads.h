// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <SDL.h>
#include <map>
#include <memory>
#include <optional>
#include <span>

#include "game/platform/PadKeys.h"
#include "game/render/SdlHandles.h"
#include "game/render/SdlSubsystem.h"

namespace orbo::sdl {

// The pads plugged in, through SDL's game controller layer (its built-in mapping
// database gives one layout for every common pad): opened as they come, closed
// as they go. Events about a pad that was never opened are ignored.
class SdlPads {
public:
    // Starts SDL's game controller subsystem (once), opens the pads plugged in
    // and closes those pulled out; false where SDL cannot, and then no pad is
    // ever read.
    bool start();
    bool started() const { return lease_ && lease_->ok(); }
    // Opens an added pad and closes a removed one; other events are not the pads'.
    void handle(const SDL_Event& event);
    // Sets held[key] for every key an open pad holds; held is indexed by SDL scan code.
    void press(std::span<std::uint8_t, SDL_NUM_SCANCODES> held);
    // The button an event pressed on an open pad, if it is such an event.
    std::optional<SDL_GameControllerButton> pressedButton(const SDL_Event& event) const;
    int openCount() const { return static_cast<int>(pads_.size()); }

private:
    using UniqueController = std::unique_ptr<SDL_GameController, Deleter<SDL_GameControllerClose>>;
    struct Pad {
        UniqueController controller;
        PadKeys keys;
    };
    void open(int deviceIndex);
    void closeDetached();

    std::optional<SubsystemLease> lease_;
    std::map<SDL_JoystickID, Pad> pads_;  // after the lease: closed first, while SDL still runs
};

}  // namespace orbo::sdl
