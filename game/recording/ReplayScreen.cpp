// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/ReplayScreen.h"

#include <algorithm>
#include <thread>
#include <utility>

#include "game/core/ScanCodes.h"

namespace orbo::recording {
namespace {

constexpr int SlowestStep = 0;
constexpr int FastestStep = 4;
// More than a frame late: showing the frame would only make the replay later.
constexpr auto LateBy = std::chrono::milliseconds(20);

// The keypad's keys, besides the main keyboard's - and =, the + key of most layouts.
constexpr int Minus = 12;
constexpr int KeypadMinus = 74;
constexpr int KeypadPlus = 78;

}  // namespace

void ReplayScreen::readViewer(const WindowEvents& window) {
    if (window.closeRequested) throw ReplayStopped{};
    KeyState keys{};
    if (!viewerKeys_.readState(keys)) return;
    const KeyState before = std::exchange(lastKeys_, keys);
    const auto pressed = [&](int key) {
        const auto index = static_cast<std::size_t>(key);
        return keys[index] != 0 && before[index] == 0;
    };
    if (pressed(ScanCode::Escape)) throw ReplayStopped{};
    if (pressed(ScanCode::Equals) || pressed(KeypadPlus)) setPace(step_ + 1);
    if (pressed(Minus) || pressed(KeypadMinus)) setPace(step_ - 1);
}

void ReplayScreen::setPace(int step) {
    resume();
    step_ = std::clamp(step, SlowestStep, FastestStep);
}

void ReplayScreen::resume() {
    anchorMs_ = reachedMs_;
    anchorWall_ = Clock::now();
}

ReplayScreen::Clock::time_point ReplayScreen::due() const {
    // Two recorded milliseconds take 2^(2 - step) / 2 wall milliseconds.
    const auto wallMs = static_cast<double>(reachedMs_ - anchorMs_) * 2.0 / static_cast<double>(1 << step_);
    return anchorWall_ + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double, std::milli>(wallMs));
}

void ReplayScreen::newSession() { lastTick_.reset(); }

void ReplayScreen::reachTick(std::uint32_t tick) {
    // The time the player spent between sessions is not waited for.
    if (lastTick_)
        readingMs_ += elapsedMs(tick, *lastTick_);
    else
        resume();
    lastTick_ = tick;
    reachedMs_ = std::max(reachedMs_, readingMs_);
    std::this_thread::sleep_until(due());
}

void ReplayScreen::waited(std::uint32_t milliseconds) {
    reachedMs_ += milliseconds;
    std::this_thread::sleep_until(due());
}

bool ReplayScreen::behind() const { return Clock::now() > due() + LateBy; }

std::string ReplayScreen::mark() const {
    constexpr const char* Paces[] = {" x1/2", "", " x2", " x4", " x8"};
    return std::string("Повтор") + Paces[step_];
}

}  // namespace orbo::recording
