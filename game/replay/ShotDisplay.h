// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "game/core/Platform.h"
#include "game/render/SoftwareDisplay.h"

namespace orbo::sim {

// Real pixels in memory, for --shot; like the headless screen, every flip takes one
// frame of virtual time.
class ShotDisplay : public sdl::SoftwareDisplay {
public:
    ShotDisplay(TickClock& clock, std::uint32_t frameMs) : clock_(clock), frameMs_(frameMs) {}

    bool flip() override {
        const bool shown = SoftwareDisplay::flip();
        clock_.sleep(frameMs_);
        return shown;
    }

    // Only a frame that was shown is written: an opened screen holds black,
    // which is no frame of the game.
    bool saveBmp(const std::filesystem::path& file) const { return flips() > 0 && SoftwareDisplay::saveBmp(file); }

private:
    TickClock& clock_;
    std::uint32_t frameMs_;
};

}  // namespace orbo::sim
