// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/FakeMachine.h"

namespace orbo::test {

float FakeRandom::next() {
    if (queued_.empty()) return SeededRandom::next();
    const float value = queued_.front();
    queued_.pop_front();
    return value;
}

void FakeMusic::play(const std::filesystem::path& file) {
    SilentMusic::play(file);
    ++starts_;
}

void FakeMusic::stop() {
    SilentMusic::stop();
    ++stops_;
}

FakeGame::FakeGame(const std::filesystem::path& programDir, Display* screen, SoundDevice* sound)
    : machine(programDir.empty() ? dir.path() : programDir),
      platform(machine.platformWith(screen, sound)),
      game(std::make_unique<Game>(platform)) {}

}  // namespace orbo::test
