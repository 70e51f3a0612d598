// orbo-autoplayer: finds input scripts that clear the game's levels through the
// real rules and cops, proves each one through orbo-sim's simulation, and
// records them as replays or sums them up as a table. See README.md.
#include <charconv>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "tools/autoplayer/Planner.h"
#include "tools/autoplayer/Replay.h"
#include "tools/autoplayer/Table.h"

namespace {

using namespace orbo::autoplay;

constexpr const char* Usage =
    "usage: orbo-autoplayer --dir DIR [--level N] [--seed N] [--smart] [--speed N] [--width N]\n"
    "                       [--record FOLDER] [--table FILE --ideas FILE [--seeds N]]\n"
    "       orbo-autoplayer --help\n"
    "Plans every level of DIR/Этажи (or level N) and prints each winning script with its\n"
    "figures, or writes it to FOLDER/OrboN.txt; --table also plays N seeds (3) with dumb and\n"
    "with smart cops and writes the figures as a Markdown table.\n";

struct Arguments {
    PlayOptions play;
    std::optional<int> level;
    int width = 48;
    int seeds = 3;
    std::string record;
    std::string table;
    std::string ideas;
    std::string command;
};

// Seeds tried in turn for a level's recorded plan.
constexpr int SeedTries = 4;

struct UsageError {
    std::string message;
};
struct HelpWanted {};

int number(std::string_view option, std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw UsageError{std::string(option) + " takes a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high)};
    return value;
}

Arguments parse(int argc, char** argv) {
    Arguments arguments;
    arguments.command = "orbo-autoplayer";
    bool haveDir = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        auto value = [&]() -> std::string_view {
            if (i + 1 >= argc) throw UsageError{std::string(option) + " needs a value"};
            return argv[++i];
        };
        if (option == "--help" || option == "-h") throw HelpWanted{};
        if (option == "--dir") {
            arguments.play.dir = std::string(value());
            haveDir = true;
            continue;
        }
        if (option == "--level")
            arguments.level = number(option, value(), 0, 999);
        else if (option == "--seed")
            arguments.play.seed = static_cast<std::uint32_t>(number(option, value(), 0, 1 << 30));
        else if (option == "--smart")
            arguments.play.smartCops = true;
        else if (option == "--speed")
            arguments.play.speed = number(option, value(), 1, 7);
        else if (option == "--width")
            arguments.width = number(option, value(), 1, 10000);
        else if (option == "--seeds")
            arguments.seeds = number(option, value(), 1, 100);
        else if (option == "--record")
            arguments.record = std::string(value());
        else if (option == "--table")
            arguments.table = std::string(value());
        else if (option == "--ideas")
            arguments.ideas = std::string(value());
        else
            throw UsageError{"unknown option '" + std::string(option) + "'"};
        arguments.command += " " + std::string(option);
        if (option != "--smart") arguments.command += " " + std::string(argv[i]);
    }
    if (!haveDir) throw UsageError{"--dir DIR is required"};
    arguments.command += " --dir BIN";
    if (!arguments.table.empty() && arguments.ideas.empty()) throw UsageError{"--table needs --ideas"};
    return arguments;
}

// Plans with a wider beam where a narrow one finds nothing (at most `attempts`
// times), and keeps only plans that orbo-sim's simulation confirms.
Plan planLevel(const PlayOptions& play, int width, int attempts) {
    for (int attempt = 0; attempt < attempts; ++attempt, width *= 3) {
        const auto started = std::chrono::steady_clock::now();
        Plan plan = findPlan(play, SearchOptions{width});
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        std::fprintf(stderr, "level %d %s seed %u width %d: %s in %.1f s", play.level,
                     play.smartCops ? "smart" : "dumb", play.seed, width, plan.cleared ? "cleared" : "not cleared",
                     seconds);
        if (!plan.cleared)
            std::fprintf(
                stderr, " (best try: %d kettles left, %d of them carried by cops, %d lives lost after %d moves)",
                plan.figures.kettlesLeft, plan.figures.kettlesCarried, plan.figures.livesLost, plan.figures.moves);
        std::fputc('\n', stderr);
        if (!plan.cleared) continue;
        const auto outcome = playScript(play, replayText(play, plan));
        if (outcome && keepsPromise(plan, *outcome)) return plan;
        std::fprintf(stderr, "level %d: orbo-sim did not confirm the plan\n", play.level);
        return {};
    }
    return {};
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    try {
        arguments = parse(argc, argv);
    } catch (const HelpWanted&) {
        std::cout << Usage;
        return 0;
    } catch (const UsageError& error) {
        std::cerr << "orbo-autoplayer: " << error.message << '\n' << Usage;
        return 2;
    }
    const auto folder = orbo::resolveProgramPath(arguments.play.dir, orbo::program_files::levelFolder());
    const auto count = orbo::countFiles(folder);
    if (!count || *count == 0) {
        std::cerr << "orbo-autoplayer: no levels in " << folder.string() << '\n';
        return 2;
    }
    std::vector<int> levels;
    if (arguments.level)
        levels.push_back(*arguments.level);
    else
        for (int level = 0; level < *count; ++level) levels.push_back(level);

    const auto ideas = arguments.table.empty() ? std::map<int, std::string>{} : readIdeas(arguments.ideas);
    std::vector<LevelFigures> table;
    bool allCleared = true;
    for (const int level : levels) {
        PlayOptions play = arguments.play;
        play.level = level;
        Plan plan = planLevel(play, arguments.width, 2);
        // Some seeds let a cop keep a kettle for good; another seed is as fair a game.
        for (int retry = 1; !plan.cleared && retry < SeedTries; ++retry) {
            play.seed = arguments.play.seed + static_cast<std::uint32_t>(retry);
            plan = planLevel(play, arguments.width, 2);
        }
        allCleared = allCleared && plan.cleared;
        if (!plan.cleared) {
            std::cerr << "orbo-autoplayer: level " << level << " not cleared\n";
        } else if (!arguments.record.empty()) {
            std::ofstream(arguments.record + "/Orbo" + std::to_string(level) + ".txt", std::ios::binary)
                << replayText(play, plan);
        } else {
            std::cout << replayText(play, plan);
        }
        if (arguments.table.empty()) continue;
        LevelFigures figures{level, ideas.count(level) ? ideas.at(level) : std::string(), {plan}, {}};
        for (int seed = 1; seed <= arguments.seeds; ++seed) {
            PlayOptions other = play;
            other.seed = arguments.play.seed + static_cast<std::uint32_t>(seed - 1);
            if (seed > 1) figures.dumb.push_back(planLevel(other, arguments.width, 2));
            other.smartCops = true;
            figures.smart.push_back(planLevel(other, arguments.width, 2));
        }
        table.push_back(std::move(figures));
    }
    if (!arguments.table.empty())
        std::ofstream(arguments.table, std::ios::binary) << levelsTable(table, arguments.command);
    return allCleared ? 0 : 1;
}
