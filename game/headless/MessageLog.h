// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/core/Platform.h"

namespace orbo::headless {

// Message boxes that are answered at once; their texts are kept in order.
class MessageLog : public MessageBox {
public:
    void show(std::string_view text, MessageIcon) override { shown_.emplace_back(text); }
    // The texts shown since the last call.
    std::vector<std::string> takeShown() { return std::exchange(shown_, {}); }
    const std::vector<std::string>& shown() const { return shown_; }

private:
    std::vector<std::string> shown_;
};

// Runs an optional hook each time the game lets messages through: at the start
// of every pass, where a driver holds the keys of the pass or ends the session.
// Then reports the window events the hook (or a test) left pending.
class HookedEventPump : public EventPump {
public:
    WindowEvents pumpMessages() override {
        if (onPump) onPump();
        return std::exchange(pending, {});
    }
    std::function<void()> onPump;
    WindowEvents pending;
};

}  // namespace orbo::headless
