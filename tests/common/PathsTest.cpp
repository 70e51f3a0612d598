#include <gtest/gtest.h>

#include <fstream>

#include "common/Paths.h"
#include "tests/common/TempDir.h"

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
    EXPECT_EQ(resolveProgramPath(dir.path(), "\\этажи\\Orbo3.orb"), dir.path() / "Этажи" / "orbo3.ORB");
    EXPECT_EQ(resolveProgramPath(dir.path(), "\\ГРАФИКА\\\\снеговик.bmp"), dir.path() / "графика" / "Снеговик.bmp");
    EXPECT_EQ(resolveProgramPath(dir.path(), "/Этажи//orbo3.ORB"), dir.path() / "Этажи" / "orbo3.ORB");
}

TEST_F(ResolveTest, KeepsAMissingNameAsWritten) {
    EXPECT_EQ(resolveProgramPath(dir.path(), "\\Этажи\\Orbo4.orb"), dir.path() / "Этажи" / "Orbo4.orb");
    EXPECT_EQ(resolveProgramPath(dir.path(), "\\звуки\\коп.wav"), dir.path() / "звуки" / "коп.wav");
}

TEST_F(ResolveTest, CountsRegularFilesOnly) {
    std::filesystem::create_directories(dir.path() / "Этажи" / "old");
    std::ofstream(dir.path() / "Этажи" / "notes.txt") << "x";
    EXPECT_EQ(countFiles(dir.path() / "Этажи"), 2);
    EXPECT_EQ(countFiles(dir.path() / "missing"), std::nullopt);
    EXPECT_EQ(countFiles(dir.path() / "Этажи" / "orbo3.ORB"), std::nullopt);
}

}  // namespace
}  // namespace orbo
