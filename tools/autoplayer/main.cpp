// SPDX-License-Identifier: GPL-3.0-or-later
// orbo-autoplayer: finds input scripts that clear the game's levels through the
// real rules and cops, proves each one through orbo-sim's simulation, and
// records them as replays or sums them up, with a weaker player's games, as a
// table. See README.md.
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "common/FileSizeLimit.h"
#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "tools/autoplayer/Arguments.h"
#include "tools/autoplayer/Games.h"
#include "tools/autoplayer/OutputFiles.h"
#include "tools/autoplayer/Replay.h"
#include "tools/autoplayer/Table.h"

namespace {

using namespace orbo::autoplay;

const char* copsName(bool smartCops) { return smartCops ? "smart" : "dumb"; }

// Exit status 1, with the file at fault and the system's reason.
int cannotWrite(const std::string& failure) {
    std::cerr << "orbo-autoplayer: cannot write " << failure << '\n';
    return 1;
}

// Records the plan, or prints it. False when it could not be written.
bool keep(const Arguments& arguments, const PlayOptions& play, const Plan& plan) {
    if (arguments.record.empty()) {
        std::cout << replayText(play, plan) << std::flush;
        return true;
    }
    const WriteResult result = writeTextFile(
        std::filesystem::path(arguments.record) / replayName(play.level, play.smartCops), replayText(play, plan));
    if (!result.written) cannotWrite(result.failure);
    return result.written;
}

// The levels asked for, or nothing when one of them does not exist (said on stderr).
std::optional<std::vector<int>> levelsToPlay(const Arguments& arguments) {
    const auto folder = orbo::resolveProgramPath(arguments.play.dir, orbo::program_files::levelFolder());
    const auto count = orbo::countFiles(folder);
    if (!count || *count == 0) {
        std::cerr << "orbo-autoplayer: no levels in " << orbo::displayPath(folder) << '\n';
        return std::nullopt;
    }
    std::vector<int> levels;
    if (arguments.level)
        levels.push_back(*arguments.level);
    else
        for (int level = 0; level < *count; ++level) levels.push_back(level);
    for (const int level : levels) {
        const auto file = orbo::resolveProgramPath(arguments.play.dir, orbo::program_files::levelFile(level));
        if (!std::filesystem::is_regular_file(file)) {
            std::cerr << "orbo-autoplayer: there is no level " << level << ": " << orbo::displayPath(file)
                      << " does not exist\n";
            return std::nullopt;
        }
    }
    return levels;
}

void playNovice(const Arguments& arguments, const std::vector<int>& levels) {
    for (const int level : levels) {
        for (const bool smart : arguments.copModes) {
            PlayOptions play = arguments.play;
            play.level = level;
            play.smartCops = smart;
            noviceGames(play, NoviceGames);
        }
    }
}

// Makes the folders the replays and the table go to; the failure, if any.
std::optional<std::string> prepareOutputs(const Arguments& arguments) {
    std::vector<std::filesystem::path> folders;
    if (!arguments.record.empty()) folders.emplace_back(arguments.record);
    if (!arguments.table.empty()) folders.push_back(std::filesystem::path(arguments.table).parent_path());
    for (const std::filesystem::path& folder : folders)
        if (const WriteResult ready = prepareFolder(folder); !ready.written) return ready.failure;
    return std::nullopt;
}

// The recorded plan of the level against the cops asked for, kept as it is made.
struct LevelRecord {
    std::vector<Recorded> recorded;
    bool cleared = true;
    bool written = true;
};

LevelRecord recordLevel(const Arguments& arguments, int level) {
    LevelRecord record;
    for (const bool smart : arguments.copModes) {
        PlayOptions play = arguments.play;
        play.level = level;
        play.smartCops = smart;
        const Recorded& kept = record.recorded.emplace_back(recordedPlan(play, arguments.width));
        if (!kept.plan.cleared) {
            std::cerr << "orbo-autoplayer: level " << level << " not cleared against " << copsName(smart) << " cops\n";
            record.cleared = false;
        } else if (!keep(arguments, kept.play, kept.plan)) {
            record.written = false;
            break;
        }
    }
    return record;
}

int plan(const Arguments& arguments, const std::vector<int>& levels) {
    if (const auto failure = prepareOutputs(arguments)) return cannotWrite(*failure);
    const bool tabled = !arguments.table.empty();
    const auto ideas = tabled ? readIdeas(arguments.ideas) : std::map<int, std::string>{};
    std::vector<LevelFigures> figures;
    bool allCleared = true;
    for (const int level : levels) {
        const LevelRecord record = recordLevel(arguments, level);
        if (!record.written) return 1;
        allCleared = allCleared && record.cleared;
        if (!tabled) continue;
        PlayOptions play = arguments.play;
        play.level = level;
        figures.push_back(measure(play, arguments.seeds, arguments.width, record.recorded));
        figures.back().idea = ideas.count(level) ? ideas.at(level) : std::string();
    }
    if (tabled) {
        for (const std::string& line : outOfOrder(figures)) std::cerr << "orbo-autoplayer: " << line << '\n';
        const WriteResult result = writeTextFile(arguments.table, levelsTable(figures, arguments.command));
        if (!result.written) return cannotWrite(result.failure);
    }
    return allCleared ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    orbo::ignoreFileSizeLimitSignal();
    Arguments arguments;
    try {
        arguments = parseArguments(argc, argv);
    } catch (const UsageError& error) {
        std::cerr << "orbo-autoplayer: " << error.message << '\n' << Usage;
        return 2;
    }
    if (arguments.help) {
        std::cout << Usage;
        return 0;
    }
    const auto levels = levelsToPlay(arguments);
    if (!levels) return 2;
    if (arguments.novice) {
        playNovice(arguments, *levels);
        return 0;
    }
    return plan(arguments, *levels);
}
