#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/FileRead.h"
#include "common/formats/LevelFile.h"
#include "tests/support/TempDir.h"

namespace orbo {
namespace {

// Files that open but cannot be read as a level: each gives no level, and
// neither throws nor waits.
TEST(LevelReadFaults, folderPipeAndUnreadableFileGiveNoLevel) {
    TempDir dir;
    const auto folder = dir.path() / "Orbo0.orb";
    const auto pipe = dir.path() / "Orbo1.orb";
    std::filesystem::create_directory(folder);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Opens as an ordinary file, but reading its first page fails.
    const std::filesystem::path unreadable = "/proc/self/mem";

    EXPECT_FALSE(readLevelFile(folder));
    EXPECT_FALSE(readLevelFile(pipe));
    EXPECT_FALSE(readLevelFile(unreadable));
    EXPECT_FALSE(readLevelFile(dir.path() / "missing.orb"));

    const FileRead fromFolder = readRegularFile(folder, 100);
    EXPECT_TRUE(fromFolder.notRegular);
    EXPECT_EQ(fromFolder.error, std::errc::is_a_directory);
    EXPECT_TRUE(readRegularFile(pipe, 100).notRegular);
    const FileRead fromMemory = readRegularFile(unreadable, 100);
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

}  // namespace
}  // namespace orbo
