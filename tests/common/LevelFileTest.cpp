// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "common/formats/LevelFile.h"
#include "tests/support/TempDir.h"

namespace orbo {
namespace {

LevelRow row(std::initializer_list<int> codes) {
    LevelRow result{};
    std::size_t i = 0;
    for (const int code : codes) result[i++] = code;
    return result;
}

TEST(LevelRow, ReadsDigitsAndGivesZeroForAnythingElse) {
    EXPECT_EQ(parseLevelRow("12"), row({1, 2}));
    EXPECT_EQ(parseLevelRow("1111x111"), row({1, 1, 1, 1, 0, 1, 1, 1}));
    EXPECT_EQ(parseLevelRow("1111 111"), row({1, 1, 1, 1, 0, 1, 1, 1}));
    EXPECT_EQ(parseLevelRow("55555555555555559999"), row({5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}));
    EXPECT_EQ(parseLevelRow(""), LevelRow{});
    EXPECT_EQ(parseLevelRow(" \t 34,56"), row({3, 4})) << "one text field: leading blanks skipped, ends at a comma";
}

class LevelFileTest : public ::testing::Test {
protected:
    std::filesystem::path write(const std::string& name, const std::string& text) {
        auto file = dir.path() / name;
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }
    TempDir dir;
};

TEST_F(LevelFileTest, ShortFilesReadMissingRowsAsEmptyAndAnyLineEndWorks) {
    const auto rows = readLevelFile(write("a.orb", "\n5\r\n\n03\n004\r7"));
    ASSERT_TRUE(rows);
    EXPECT_EQ((*rows)[0], LevelRow{}) << "a line end first ends an empty row";
    EXPECT_EQ((*rows)[1], row({5}));
    EXPECT_EQ((*rows)[2], LevelRow{}) << "a line feed after a whole CR LF is an empty row";
    EXPECT_EQ((*rows)[3], row({0, 3}));
    EXPECT_EQ((*rows)[4], row({0, 0, 4}));
    EXPECT_EQ((*rows)[5], row({7}));
    for (std::size_t r = 6; r < rows->size(); ++r) EXPECT_EQ((*rows)[r], LevelRow{}) << "row " << r;
}

TEST_F(LevelFileTest, ExtraLinesAndHugeLinesAreIgnoredAndNothingPastAMebibyteIsRead) {
    std::string text = std::string(100000, '1') + "\r\n";
    for (int i = 0; i < 30; ++i) text += "2222222222222222\r\n";
    const auto rows = readLevelFile(write("big.orb", text));
    ASSERT_TRUE(rows);
    EXPECT_EQ((*rows)[0], row({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}));
    EXPECT_EQ((*rows)[14][15], 2);

    const auto huge = readLevelFile(write("huge.orb", std::string((1 << 20) - 1, '3') + "\n4"));
    ASSERT_TRUE(huge);
    EXPECT_EQ((*huge)[0][0], 3);
    EXPECT_EQ((*huge)[1], LevelRow{}) << "the row after the first mebibyte is never read";
}

TEST_F(LevelFileTest, WrittenLevelReadsBackIdentically) {
    EditorGrid grid;
    for (int r = 0; r < FieldRows; ++r)
        for (int c = 0; c < FieldColumns; ++c) grid.set(c, r, (r * 7 + c) % 10);
    const std::string text = formatLevel(grid);
    EXPECT_EQ(text.size(), 270u);
    EXPECT_EQ(text.substr(0, 18), "0123456789012345\r\n");
    const auto rows = readLevelFile(write("round.orb", text));
    ASSERT_TRUE(rows);
    for (int r = 0; r < FieldRows; ++r)
        for (int c = 0; c < FieldColumns; ++c)
            EXPECT_EQ((*rows)[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)], grid.at(c, r));
}

}  // namespace
}  // namespace orbo
