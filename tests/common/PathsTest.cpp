// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>

#include "common/Paths.h"
#include "common/ProgramFiles.h"
#include "tests/support/TempDir.h"

namespace orbo {
namespace {

TEST(FoldCase, LowersLatinAndCyrillicIncludingYo) {
    EXPECT_EQ(foldCase("ЭТАЖИ"), "этажи");
    EXPECT_EQ(foldCase("Ёлка Orbo3.ORB"), "ёлка orbo3.orb");
    EXPECT_EQ(foldCase("Ѐ"), "ѐ");
    EXPECT_EQ(foldCase("уже"), "уже");
}

class ResolveTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.path() / "Этажи");
        std::filesystem::create_directories(dir.path() / "графика");
        std::ofstream(dir.path() / "Этажи" / "orbo3.ORB") << "1";
        std::ofstream(dir.path() / "графика" / "Снеговик.bmp") << "1";
    }
    TempDir dir;
};

TEST_F(ResolveTest, MatchesEveryComponentWithoutRegardToCase) {
    const std::filesystem::path file = dir.path() / "Этажи" / "orbo3.ORB";
    EXPECT_EQ(resolveProgramPath(dir.path(), std::filesystem::path("этажи") / "Orbo3.orb"), file);
    EXPECT_EQ(resolveProgramPath(dir.path(), "ГРАФИКА//снеговик.bmp"), dir.path() / "графика" / "Снеговик.bmp");
    EXPECT_EQ(resolveProgramPath(dir.path(), "/Этажи//orbo3.ORB"), file);
    EXPECT_EQ(resolveProgramPath(dir.path(), "ЭТАЖИ/"), dir.path() / "Этажи");
}

TEST_F(ResolveTest, KeepsAMissingNameAsWritten) {
    EXPECT_EQ(resolveProgramPath(dir.path(), std::filesystem::path("Этажи") / "Orbo4.orb"),
              dir.path() / "Этажи" / "Orbo4.orb");
    EXPECT_EQ(resolveProgramPath(dir.path(), "звуки/коп.wav"), dir.path() / "звуки" / "коп.wav");
    // A missing folder keeps the case of the name asked for, not of a look-alike elsewhere.
    EXPECT_EQ(resolveProgramPath(dir.path(), "графика/Этажи/orbo3.orb"),
              dir.path() / "графика" / "Этажи" / "orbo3.orb");
}

TEST_F(ResolveTest, CountsRegularFilesOnly) {
    std::filesystem::create_directories(dir.path() / "Этажи" / "old");
    std::ofstream(dir.path() / "Этажи" / "notes.txt") << "x";
    EXPECT_EQ(countFiles(dir.path() / "Этажи"), 2);
    EXPECT_EQ(countFiles(dir.path() / "missing"), std::nullopt);
    EXPECT_EQ(countFiles(dir.path() / "Этажи" / "orbo3.ORB"), std::nullopt);
}

// The programs' own names find their folders spelt any way; a missing one keeps
// the spelling the messages show, so the counted folder and a level file differ.
TEST(ProgramFiles, NamesFindTheirFolderWhateverItsSpellingAndKeepTheirOwnWhenMissing) {
    using namespace program_files;
    TempDir dir;
    for (const char* folder : {"ЭТАЖИ", "ГРАФИКА", "ЗВУКИ"}) std::filesystem::create_directories(dir.path() / folder);
    const std::pair<std::filesystem::path, const char*> names[] = {{levelFolder(), "ЭТАЖИ"},
                                                                   {lowerCaseLevelFolder(), "ЭТАЖИ"},
                                                                   {levelFile(2).parent_path(), "ЭТАЖИ"},
                                                                   {graphicsFolder(), "ГРАФИКА"},
                                                                   {capitalisedGraphicsFolder(), "ГРАФИКА"},
                                                                   {titlePicture().parent_path(), "ГРАФИКА"},
                                                                   {tuneFile().parent_path(), "ЗВУКИ"},
                                                                   {effectFiles().front().parent_path(), "ЗВУКИ"},
                                                                   {effectFiles().back().parent_path(), "ЗВУКИ"}};
    for (const auto& [name, folder] : names)
        EXPECT_EQ(resolveProgramPath(dir.path(), name), dir.path() / folder) << name;

    TempDir empty;
    const std::string base = displayPath(empty.path());
    EXPECT_EQ(displayPath(resolveProgramPath(empty.path(), lowerCaseLevelFolder())), base + "/этажи");
    EXPECT_EQ(displayPath(resolveProgramPath(empty.path(), levelFile(12))), base + "/Этажи/Orbo12.orb");
    EXPECT_EQ(displayPath(resolveProgramPath(empty.path(), titlePicture())), base + "/графика/Заставка.bmp");
}

}  // namespace
}  // namespace orbo
