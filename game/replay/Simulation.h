// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "game/core/GameState.h"
#include "game/headless/Machine.h"
#include "game/recording/Recorder.h"
#include "game/recording/RecordingReader.h"
#include "game/replay/RecordingReplay.h"
#include "game/replay/Script.h"
#include "game/replay/ShotDisplay.h"

namespace orbo::sim {

struct SimOptions {
    std::filesystem::path dir;
    int speed = 2;
    bool smartCops = false;
    bool soundOn = true;
    bool musicOn = false;
    std::uint32_t seed = 1;
    // The level every new game starts on.
    int level = 0;
    std::uint32_t frameMs = 16;
    std::uint32_t tick0 = 1000000;
    bool traceAll = false;
    // Where to write the last composed frame as a picture; empty for no pictures at all.
    std::filesystem::path shot;
    // Where to write a recording of the game as well; empty for none.
    std::filesystem::path record;
    // A recording to replay instead of a script.
    std::filesystem::path replay;
    // Options that set up the game, given: a recording holds its own.
    bool gameOptionsGiven = false;
};

// Plays a script through the real session on fake platform services, printing
// the trace as it goes; given a recording, the game is recorded as it is played.
class Simulation {
public:
    Simulation(const SimOptions& options, std::ostream& out, recording::Recording* recording = nullptr);
    // Plays the whole script; a recording is closed at its end.
    void run(const std::vector<Command>& script);
    // Replays a recording on this machine instead, traced as a script is.
    ReplayOutcome replay(recording::RecordingReader& recording);
    // Writes the last flipped frame to options.shot; false when there is none or it cannot be written.
    bool saveShot() const;

private:
    void runSession(Command::Kind kind);
    void beginPass();
    void printLine();
    void applyOptions(const Command& options);

    SimOptions options_;
    std::ostream& out_;
    headless::Machine machine_;
    // With --shot the frames are composed in memory; without, the machine's screen keeps nothing.
    std::unique_ptr<ShotDisplay> shots_;
    Platform platform_;
    std::unique_ptr<recording::Recorder> recorder_;
    std::unique_ptr<Game> game_;

    const std::vector<Command>* script_ = nullptr;
    std::size_t next_ = 0;
    int passesLeft_ = 0;
    std::vector<int> keys_;
    int session_ = 0;
    int pass_ = 0;
    int printedPass_ = -1;
    std::string line_;  // the trace line being written, its memory kept from pass to pass
};

}  // namespace orbo::sim
