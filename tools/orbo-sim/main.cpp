// SPDX-License-Identifier: GPL-3.0-or-later
// orbo-sim: plays a scripted game through the real session on fake platform
// services, or replays a recording of a game, and prints what happened as JSON
// lines. See README.md.
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Paths.h"
#include "game/recording/RecordingReader.h"
#include "game/replay/RecordingReplay.h"
#include "game/replay/Script.h"
#include "game/replay/SimArguments.h"
#include "game/replay/Simulation.h"

namespace {

using orbo::sim::printable;

constexpr const char* Usage =
    "usage: orbo-sim --dir DIR [--speed N] [--smart] [--sound 0|1] [--music 0|1] [--seed N]\n"
    "                [--level N] [--frame-ms N] [--tick0 N] [--trace all|end] [--shot FILE]\n"
    "                [--record FILE]  < script\n"
    "       orbo-sim --replay FILE [--dir DIR] [--trace all|end] [--shot FILE]\n"
    "       orbo-sim --help\n"
    "Plays the script on standard input through the game's own session without a window and\n"
    "prints what happened as JSON lines; --record writes a recording of that game too.\n"
    "--replay plays a recording of a game instead and says whether it ended as recorded\n"
    "(exit status 0) or not (1). See orbo-sim(6) for the script, the trace and replays.\n";

constexpr int NotMatched = 1;
constexpr int BadInput = 2;

void reportOnStandardError(const std::string& text) { std::cerr << "orbo-sim: " << printable(text) << '\n'; }

orbo::sim::SimOptions readOptions(int argc, char** argv) {
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    orbo::sim::SimOptions options = orbo::sim::parseSimArguments(arguments);
    const bool replaying = !options.replay.empty();
    if (replaying && options.gameOptionsGiven)
        throw orbo::sim::UsageError{"--replay takes no options that set up the game: the recording holds them"};
    if (replaying && !options.record.empty()) throw orbo::sim::UsageError{"--record and --replay do not go together"};
    if (options.dir.empty() && !replaying) throw orbo::sim::UsageError{"--dir DIR is required"};
    // A replay reads its levels from the recording; the program's own folder holds the rest.
    if (options.dir.empty()) options.dir = orbo::executableFolder();
    std::error_code error;
    if (!std::filesystem::is_directory(options.dir, error))
        throw orbo::sim::UsageError{"--dir: '" + options.dir.string() + "' is not a folder"};
    return options;
}

std::string where(const orbo::sim::ReplayOutcome& outcome) {
    return "session " + std::to_string(outcome.session) + " after pass " + std::to_string(outcome.pass);
}

// Says how the replay went; the exit status.
int judge(const std::string& file, const orbo::sim::ReplayOutcome& outcome) {
    using Kind = orbo::sim::ReplayOutcome::Kind;
    const std::string name = printable(file);
    switch (outcome.kind) {
        case Kind::Matched:
            std::cerr << "orbo-sim: " << name << ": every session ended as recorded (" << outcome.sessions << ")\n";
            return 0;
        case Kind::Differed:
            std::cerr << "orbo-sim: " << name
                      << ": a session ended otherwise than recorded\n  recorded: " << printable(outcome.recordedEnd)
                      << "\n  replayed: " << printable(outcome.replayedEnd) << '\n';
            return NotMatched;
        case Kind::Failed:
            std::cerr << "orbo-sim: " << name << ": the replay went astray in " << where(outcome) << ": "
                      << printable(outcome.failure) << '\n';
            return NotMatched;
        default:
            std::cerr << "orbo-sim: " << name << ": byte " << outcome.end.byte << ": " << printable(outcome.end.what)
                      << "; replayed up to there, " << where(outcome) << '\n';
            return NotMatched;
    }
}

int replay(const orbo::sim::SimOptions& options) {
    std::ifstream in(options.replay, std::ios::binary);
    if (!in) throw orbo::sim::UsageError{"--replay: '" + options.replay.string() + "' cannot be read"};
    orbo::recording::RecordingReader reader(in);
    using End = orbo::recording::ReadEnd::Kind;
    if (reader.ended() && (reader.end().kind == End::NotARecording || reader.end().kind == End::Newer))
        throw orbo::sim::UsageError{options.replay.string() + ": " + reader.end().what};
    orbo::sim::Simulation simulation(options, std::cout);
    const orbo::sim::ReplayOutcome outcome = simulation.replay(reader);
    if (!options.shot.empty() && !simulation.saveShot()) return NotMatched;
    return judge(options.replay.string(), outcome);
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const orbo::sim::SimOptions options = readOptions(argc, argv);
        if (!options.replay.empty()) return replay(options);
        const auto script = orbo::sim::parseScript(std::cin);
        std::optional<orbo::recording::Recording> recording;
        if (!options.record.empty()) {
            recording.emplace(reportOnStandardError);
            recording->writeTo(options.record, orbo::recording::RecordingFile::Mode::Replace);
        }
        orbo::sim::Simulation simulation(options, std::cout, recording ? &*recording : nullptr);
        simulation.run(script);
        if (!options.shot.empty() && !simulation.saveShot()) {
            std::cerr << "orbo-sim: no frame was shown, or it could not be written to '"
                      << printable(options.shot.string()) << "'\n";
            return 1;
        }
    } catch (const orbo::sim::HelpWanted&) {
        std::cout << Usage;
    } catch (const orbo::sim::UsageError& error) {
        std::cerr << "orbo-sim: " << printable(error.message) << '\n' << Usage;
        return BadInput;
    } catch (const orbo::sim::ScriptError& error) {
        std::cerr << "orbo-sim: script " << printable(error.what()) << '\n';
        return BadInput;
    }
    return 0;
}
