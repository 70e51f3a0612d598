// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>

#include "game/core/GameState.h"
#include "game/recording/Recorder.h"

namespace orbo {

// Every game orbo plays goes on record: into the player's recordings folder,
// named by the date, the time and the level, the newest 50 kept, and into the
// file of --record as well. A recording begins with the program's first
// session and closes when the program ends. Where it cannot be written, that
// is said once on standard error and the game plays on.
class GameRecorder {
public:
    GameRecorder(Platform& machine, std::optional<std::filesystem::path> alsoInto);
    ~GameRecorder();
    GameRecorder(const GameRecorder&) = delete;
    GameRecorder& operator=(const GameRecorder&) = delete;

    // What the game is to be played on.
    Platform& platform() { return recorder_.platform(); }

    // A session is recorded between these two: `game` as it stands when it
    // begins, on the level file it plays alone if it does.
    void beginSession(const Game& game, const std::filesystem::path& levelFile = {});
    void endSession(const Game& game);

private:
    void start(const recording::SessionBegin& first);

    std::optional<std::filesystem::path> alsoInto_;
    recording::Recording recording_;
    recording::Recorder recorder_;
    bool started_ = false;
};

}  // namespace orbo
