// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <deque>
#include <filesystem>
#include <memory>

#include "game/core/GameState.h"
#include "game/headless/Machine.h"
#include "tests/support/FakeDisplay.h"
#include "tests/support/TempDir.h"

// The headless machine with the failures tests act out and more of what
// happened kept for them to read, and a game on it.
namespace orbo::test {

// Seeded draws; values a test queues come first.
class FakeRandom : public headless::SeededRandom {
public:
    using SeededRandom::SeededRandom;
    float next() override;
    void queue(std::initializer_list<float> values) { queued_.insert(queued_.end(), values); }

private:
    std::deque<float> queued_;
};

class FakeKeyboard : public headless::ScriptedKeyboard {
public:
    bool readState(KeyState& state) override { return !broken_ && ScriptedKeyboard::readState(state); }
    void setBroken(bool broken) { broken_ = broken; }

private:
    bool broken_ = false;
};

class FakeSound : public headless::RecordingSound {
public:
    bool open() override { return available_; }
    void setAvailable(bool available) { available_ = available; }

private:
    bool available_ = true;
};

// Counts what the session asks of the music.
class FakeMusic : public headless::SilentMusic {
public:
    void init() override { ++inits_; }
    void play(const std::filesystem::path& file) override;
    void stop() override;
    // The tune runs out, as at the end of its last bar.
    void end() { SilentMusic::stop(); }
    int inits() const { return inits_; }
    int starts() const { return starts_; }
    int stops() const { return stops_; }

private:
    int inits_ = 0;
    int starts_ = 0;
    int stops_ = 0;
};

using FakeMachine = headless::BasicMachine<FakeRandom, FakeKeyboard, FakeDisplay, FakeSound, FakeMusic>;

// A game on the fake machine. Its program folder is `dir`, a fresh temporary
// folder, unless another is given; a screen or sound device given takes the
// place of the machine's own.
struct FakeGame {
    explicit FakeGame(const std::filesystem::path& programDir = {}, Display* screen = nullptr,
                      SoundDevice* sound = nullptr);

    TempDir dir;
    FakeMachine machine;
    Platform platform;
    std::unique_ptr<Game> game;
};

}  // namespace orbo::test
