// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/Replay.h"

#include <nlohmann/json.hpp>
#include <sstream>

#include "game/core/ScanCodes.h"
#include "game/replay/Script.h"
#include "game/replay/Simulation.h"

namespace orbo::autoplay {
namespace {

// The names orbo-sim's scripts use for the keys the planner presses.
std::string keyName(int key) {
    switch (key) {
        case ScanCode::Q: return "Q";
        case ScanCode::W: return "W";
        case ScanCode::Up: return "Up";
        case ScanCode::Left: return "Left";
        case ScanCode::Right: return "Right";
        case ScanCode::Down: return "Down";
        default: return std::to_string(key);
    }
}

}  // namespace

std::string simArguments(const PlayOptions& options) {
    std::string arguments = "--level " + std::to_string(options.level) + " --seed " + std::to_string(options.seed) +
                            " --speed " + std::to_string(options.speed);
    if (options.smartCops) arguments += " --smart";
    return arguments;
}

std::string replayName(int level, bool smartCops) {
    return "Orbo" + std::to_string(level) + (smartCops ? ".smart.txt" : ".txt");
}

std::string replayText(const PlayOptions& options, const Plan& plan) {
    const Figures& f = plan.figures;
    std::ostringstream text;
    text << "# orbo-sim " << simArguments(options) << '\n';
    text << "# expect level=" << f.level << " score=" << f.score << " lives=" << f.lives << '\n';
    text << "# figures passes=" << f.passes << " livesLost=" << f.livesLost << " holesDug=" << f.holesDug
         << " closestCall=" << f.closestCall << '\n';
    text << "new\n";
    for (const Segment& segment : plan.script) {
        text << segment.passes;
        if (segment.key != NoKey) text << ' ' << keyName(segment.key);
        text << '\n';
    }
    return text.str();
}

std::optional<Outcome> playScript(const PlayOptions& options, const std::string& script) {
    sim::SimOptions simOptions;
    simOptions.dir = options.dir;
    simOptions.level = options.level;
    simOptions.seed = options.seed;
    simOptions.speed = options.speed;
    simOptions.smartCops = options.smartCops;
    std::istringstream in(script);
    std::ostringstream out;
    try {
        const auto commands = sim::parseScript(in);
        sim::Simulation(simOptions, out).run(commands);
    } catch (const sim::ScriptError&) {
        return std::nullopt;
    }
    std::istringstream lines(out.str());
    std::string line, last;
    while (std::getline(lines, line))
        if (!line.empty()) last = line;
    const auto trace = nlohmann::json::parse(last, nullptr, false);
    if (trace.is_discarded() || !trace.contains("level")) return std::nullopt;
    return Outcome{trace["level"].get<int>(), trace["lives"].get<int>(), trace["score"].get<int>()};
}

bool keepsPromise(const Plan& plan, const Outcome& outcome) {
    const Figures& f = plan.figures;
    return plan.cleared && outcome.level == f.level && outcome.lives == f.lives && outcome.score == f.score &&
           outcome.lives > 0;
}

}  // namespace orbo::autoplay
