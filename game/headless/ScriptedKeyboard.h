// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>

#include "game/core/Platform.h"

namespace orbo::headless {

// Keys held down by a driver until it lets them go.
class ScriptedKeyboard : public KeyboardDevice {
public:
    bool readState(KeyState& state) override {
        state = state_;
        return true;
    }
    void press(std::initializer_list<int> scanCodes) {
        for (const int code : scanCodes) state_[static_cast<std::size_t>(code)] = Down;
    }
    void releaseAll() { state_.fill(0); }

private:
    static constexpr std::uint8_t Down = 0x80;
    KeyState state_{};
};

}  // namespace orbo::headless
