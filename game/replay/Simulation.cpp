// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/replay/Simulation.h"

#include "game/recording/Trace.h"
#include "game/replay/SessionStart.h"

namespace orbo::sim {
namespace {

// Thrown out of a running session when the script moves on without it ending:
// the session is abandoned where it stands, as if the program were closed.
struct ScriptMovedOn {};

}  // namespace

Simulation::Simulation(const SimOptions& options, std::ostream& out, recording::Recording* recording)
    : options_(options),
      out_(out),
      machine_(options.dir, {.firstTick = options.tick0, .seed = options.seed, .frameMs = options.frameMs}),
      shots_(options.shot.empty() ? nullptr : std::make_unique<ShotDisplay>(machine_.clock, options.frameMs)),
      platform_(machine_.platformWith(shots_.get())),
      recorder_(recording ? std::make_unique<recording::Recorder>(platform_, *recording) : nullptr),
      game_(std::make_unique<Game>(recorder_ ? recorder_->platform() : platform_)) {
    // What the main menu sets when it loads, with the command line's choices.
    game_->settings.musicOn = options.musicOn;
    game_->settings.soundOn = options.soundOn;
    game_->settings.smartCops = options.smartCops;
    game_->settings.speed = options.speed;
    game_->session.paused = false;
    machine_.events.onPump = [this] { beginPass(); };
}

void Simulation::run(const std::vector<Command>& script) {
    script_ = &script;
    next_ = 0;
    bool anySession = false;
    while (next_ < script.size() || !anySession) {
        const Command* command = next_ < script.size() ? &script[next_] : nullptr;
        if (command && command->kind == Command::Kind::Options) {
            applyOptions(*command);
            ++next_;
        } else if (command && command->kind != Command::Kind::Passes) {
            ++next_;
            runSession(command->kind);
            anySession = true;
        } else if (!anySession) {
            runSession(Command::Kind::NewGame);
            anySession = true;
        } else {
            ++next_;  // passes after the session ended are not run
        }
    }
    if (recorder_) recorder_->close();
}

ReplayOutcome Simulation::replay(recording::RecordingReader& recording) {
    machine_.events.onPump = nullptr;
    recording::Replayer replayer(recording, {platform_.programDir, platform_.display, platform_.sound, platform_.music,
                                             platform_.messages, platform_.events});
    const auto game = std::make_unique<Game>(replayer.platform());
    std::pair<int, int> printed{0, -1};
    const auto print = [&] {
        line_.clear();
        recording::appendTraceLine(line_, *game, replayer.lastTick(), replayer.session(), replayer.passes(),
                                   machine_.sound.takePlayed(), machine_.messages.takeShown());
        line_ += '\n';
        out_ << line_;
        printed = {replayer.session(), replayer.passes()};
    };
    if (options_.traceAll)
        replayer.onPass = [&] {
            if (replayer.passes() > 0) print();
        };
    return replayRecording(replayer, *game, [&] {
        if (printed != std::pair{replayer.session(), replayer.passes()}) print();
    });
}

bool Simulation::saveShot() const { return shots_ && shots_->saveBmp(options_.shot); }

void Simulation::runSession(Command::Kind kind) {
    ++session_;
    pass_ = 0;
    printedPass_ = -1;
    passesLeft_ = 0;
    using Begin = recording::SessionBegin;
    Begin begin;
    begin.kind = kind == Command::Kind::ContinueGame ? Begin::Kind::ContinueGame
                 : options_.level == 0               ? Begin::Kind::NewGame
                                                     : Begin::Kind::NewGameAtLevel;
    begin.settings = game_->settings;
    begin.level = options_.level;
    if (recorder_) recorder_->beginSession(begin);
    try {
        playSessionAs(*game_, begin);
    } catch (const ScriptMovedOn&) {}
    if (recorder_) recorder_->endSession(*game_);
    if (printedPass_ != pass_) printLine();
}

// Runs at the start of every pass, when the session lets messages through.
void Simulation::beginPass() {
    if (options_.traceAll && pass_ > 0) printLine();
    while (passesLeft_ == 0) {
        if (next_ >= script_->size() || (*script_)[next_].kind != Command::Kind::Passes) throw ScriptMovedOn{};
        passesLeft_ = (*script_)[next_].passes;
        keys_ = (*script_)[next_].keys;
        ++next_;
    }
    --passesLeft_;
    ++pass_;
    machine_.keyboard.releaseAll();
    for (const int key : keys_) machine_.keyboard.press({key});
}

void Simulation::printLine() {
    line_.clear();
    recording::appendTraceLine(line_, *game_, machine_.clock.tickCount(), session_, pass_, machine_.sound.takePlayed(),
                               machine_.messages.takeShown());
    line_ += '\n';
    out_ << line_;
    printedPass_ = pass_;
}

void Simulation::applyOptions(const Command& options) {
    GameSettings& settings = game_->settings;
    if (options.speed) settings.speed = *options.speed;
    if (options.smartCops) settings.smartCops = *options.smartCops;
    if (options.soundOn) settings.soundOn = *options.soundOn;
    if (options.musicOn) settings.musicOn = *options.musicOn;
}

}  // namespace orbo::sim
