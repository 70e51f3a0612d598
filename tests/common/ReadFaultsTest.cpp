// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/FileRead.h"
#include "common/Paths.h"
#include "common/formats/LevelFile.h"
#include "game/core/Level.h"
#include "tests/support/FakeMachine.h"

namespace orbo {
namespace {

// In a level's place: a folder, a file that opens but cannot be read (reading
// the first page of /proc/self/mem fails) and a named pipe.
std::vector<std::filesystem::path> faultyLevels(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "Orbo0.orb");
    std::filesystem::create_symlink("/proc/self/mem", folder / "Orbo1.orb");
    EXPECT_EQ(::mkfifo((folder / "Orbo2.orb").c_str(), 0600), 0);
    return {folder / "Orbo0.orb", folder / "Orbo1.orb", folder / "Orbo2.orb"};
}

// None gives a level, and the reader neither throws nor waits.
TEST(LevelReadFaults, folderPipeAndUnreadableFileGiveNoLevel) {
    TempDir dir;
    const auto files = faultyLevels(dir.path());
    for (const auto& file : files) EXPECT_FALSE(readLevelFile(file)) << file;
    EXPECT_FALSE(readLevelFile(dir.path() / "missing.orb"));

    const FileRead fromFolder = readRegularFile(files[0], 100);
    EXPECT_TRUE(fromFolder.notRegular);
    EXPECT_EQ(fromFolder.error, std::errc::is_a_directory);
    EXPECT_TRUE(readRegularFile(files[2], 100).notRegular);
    const FileRead fromMemory = readRegularFile("/proc/self/mem", 100);
    EXPECT_FALSE(fromMemory.notRegular);
    EXPECT_TRUE(fromMemory.error);
    EXPECT_TRUE(fromMemory.bytes.empty());
}

TEST(LevelReadFaults, readStopsAtTheLimitAndSaysWhetherTheFileWentOn) {
    TempDir dir;
    const auto file = dir.path() / "level.orb";
    std::ofstream(file, std::ios::binary) << std::string(10000, '7');
    const FileRead cut = readRegularFile(file, 9999);
    EXPECT_FALSE(cut.error);
    EXPECT_EQ(cut.bytes, std::string(9999, '7'));
    EXPECT_FALSE(cut.whole);
    const FileRead exact = readRegularFile(file, 10000);
    EXPECT_EQ(exact.bytes.size(), 10000u);
    EXPECT_TRUE(exact.whole);
    // A symbolic link to a level reads as the level.
    std::filesystem::create_symlink(file, dir.path() / "link.orb");
    EXPECT_EQ(readRegularFile(dir.path() / "link.orb", 20000).bytes, exact.bytes);
}

// The game reports them as missing levels and ends the session; the menu goes on.
TEST(LevelLoadFaults, unreadableLevelIsReportedAsNotFound) {
    test::FakeGame fake;
    const auto files = faultyLevels(fake.dir.path() / "Этажи");
    Game& game = *fake.game;
    for (int level = 0; level < 3; ++level) {
        game.progress.level = level;
        game.session.quit = false;
        loadLevel(game);
        const auto& file = files[static_cast<std::size_t>(level)];
        EXPECT_EQ(fake.machine.messages.takeShown(), std::vector<std::string>{FileNotFoundText + displayPath(file)});
        EXPECT_TRUE(game.session.quit) << file;
    }
}

}  // namespace
}  // namespace orbo
