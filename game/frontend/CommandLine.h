// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <filesystem>
#include <optional>

namespace orbo {

// What the command line asks of the game program.
struct CommandLine {
    // Set: play this level file alone instead of opening the menu.
    std::optional<std::filesystem::path> levelFile;
    // Set: play back this recording, or orbo-sim script, instead.
    std::optional<std::filesystem::path> replayFile;
    // Set: write the recording of the games played into this file as well.
    std::optional<std::filesystem::path> recordFile;
    // Every game played is recorded unless --no-record is given.
    bool recordGames = true;
    // The play screen full screen (the default) or in a window.
    bool fullscreen = true;
    // Set: the text to print and the exit status, for --help or a wrong command line.
    std::optional<QString> output;
    int exitStatus = 0;
};

// arguments as the program got them, its own name first.
CommandLine parseCommandLine(const QStringList& arguments);

}  // namespace orbo
