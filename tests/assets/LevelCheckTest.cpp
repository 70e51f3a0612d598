#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <fstream>
#include <string>

#include "tests/common/TempDir.h"
#include "tools/levelcheck/LevelCheck.h"

namespace orbo::levelcheck {
namespace {

// A level drawn as pictures: '.' empty, '#' bricks, '=' turf, 'H' ladder,
// '-' bar, 'k' kettle; written as the editor writes it.
std::string level(const std::array<std::string, 15>& rows) {
    std::string bytes;
    for (const std::string& row : rows) {
        for (const char c : row) {
            switch (c) {
            case '#': bytes += '1'; break;
            case '=': bytes += '2'; break;
            case 'H': bytes += '3'; break;
            case '-': bytes += '4'; break;
            case 'k': bytes += '5'; break;
            default: bytes += '0'; break;
            }
        }
        bytes += "\r\n";
    }
    return bytes;
}

// Cops on a ledge, a ladder from the ground to the top; rows 3 to 13 free for each test.
std::array<std::string, 15> frame() {
    std::array<std::string, 15> rows;
    rows.fill("................");
    rows[1] = "###H############";
    for (int row = 2; row < 15; ++row) rows[static_cast<std::size_t>(row)][3] = 'H';
    return rows;
}

bool hasFault(const Report& report, int line, int column, const std::string& words) {
    for (const Fault& fault : report.faults)
        if (fault.line == line && fault.column == column && fault.message.find(words) != std::string::npos) return true;
    return false;
}

std::string describe(const Report& report) {
    std::string text;
    for (const Fault& fault : report.faults)
        text += std::to_string(fault.line) + ":" + std::to_string(fault.column) + ": " + fault.message + "\n";
    return text;
}

TEST(LevelCheckLayout, aLevelAsTheEditorWritesItIsSound) {
    auto rows = frame();
    rows[14] = ".k.H..........k.";
    rows[0] = "...........k....";
    const Report report = checkLevel(level(rows));
    EXPECT_TRUE(report.sound()) << describe(report);
    EXPECT_EQ(report.kettles, 3);
    EXPECT_EQ(report.reachableKettles, 3);
}

TEST(LevelCheckLayout, reportsEachFaultByLineAndColumn) {
    auto rows = frame();
    rows[14] = ".k.H............";
    std::string bytes = level(rows);
    bytes[2 * 18 + 5] = '7';   // line 3, column 6: not a tile code
    bytes[4 * 18 + 0] = 'x';   // line 5, column 1
    bytes.insert(6 * 18 + 16, "0");  // line 7 one character too long
    const Report report = checkLevel(bytes);
    EXPECT_TRUE(hasFault(report, 3, 6, "'7' is not a tile code")) << describe(report);
    EXPECT_TRUE(hasFault(report, 5, 1, "'x' is not a tile code")) << describe(report);
    EXPECT_TRUE(hasFault(report, 7, 0, "17 characters, expected 16")) << describe(report);
    EXPECT_EQ(report.faults.size(), 3u) << describe(report);
}

TEST(LevelCheckLayout, insistsOnCarriageReturnAndLineFeed) {
    auto rows = frame();
    rows[14] = ".k.H............";
    std::string unix;
    for (const char c : level(rows))
        if (c != '\r') unix += c;
    const Report report = checkLevel(unix);
    EXPECT_EQ(report.faults.size(), 15u) << describe(report);
    EXPECT_TRUE(hasFault(report, 1, 17, "line feed without carriage return"));

    std::string unterminated = level(rows);
    unterminated.resize(unterminated.size() - 2);
    const Report last = checkLevel(unterminated);
    EXPECT_TRUE(hasFault(last, 15, 17, "no carriage return and line feed")) << describe(last);
}

TEST(LevelCheckLayout, countsTheLines) {
    auto rows = frame();
    rows[14] = ".k.H............";
    const std::string bytes = level(rows);
    EXPECT_TRUE(hasFault(checkLevel(bytes.substr(0, 14 * 18)), 0, 0, "14 lines, expected 15"));
    EXPECT_TRUE(hasFault(checkLevel(bytes + "0000000000000000\r\n"), 16, 0, "text after line 15"));
    EXPECT_FALSE(checkLevel("").sound());
}

TEST(LevelCheckLayout, startCellsMustBeFreeAndALevelNeedsAKettle) {
    auto rows = frame();
    rows[14] = ".#.H............";
    rows[0] = ".=.........k....";
    const Report report = checkLevel(level(rows));
    EXPECT_TRUE(hasFault(report, 15, 2, "the hero's start cell (column 1, row 14) is bricks")) << describe(report);
    EXPECT_TRUE(hasFault(report, 1, 2, "the cops' start cell (column 1, row 0) is turf")) << describe(report);

    const Report empty = checkLevel(level(frame()));
    EXPECT_TRUE(hasFault(empty, 0, 0, "no kettle")) << describe(empty);
}

TEST(LevelCheckLayout, anyBytesAtAllGiveAReportNotACrash) {
    std::string noise;
    for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919) % 256);
    const Report report = checkLevel(noise);
    EXPECT_FALSE(report.sound());
    EXPECT_LE(report.faults.size(), MaxReportedFaults);
    EXPECT_GT(report.unreportedFaults, 0u);
}

TEST(LevelCheckReach, aKettleWalledInByBricksIsOutOfReach) {
    auto rows = frame();
    rows[14] = ".k.H............";
    rows[6] = "...H....###.....";
    rows[7] = "...H....#k#.....";
    rows[8] = "...H....###.....";
    const Report report = checkLevel(level(rows));
    EXPECT_TRUE(hasFault(report, 8, 10, "kettle at column 9, row 7 is out of the hero's reach")) << describe(report);
    EXPECT_EQ(report.reachableKettles, 1);
}

TEST(LevelCheckReach, turfCanBeDugThroughButBricksCannot) {
    auto rows = frame();
    rows[14] = "...H............";
    rows[5] = "...H............";
    rows[6] = "...H=======.....";
    rows[7] = "...H######=.....";
    rows[8] = "...H..k...#.....";
    rows[9] = "...H#######.....";
    // Standing on the turf at row 5 the hero shoots the turf below right of him
    // and falls through; the kettle under the brick roof is reached only so.
    rows[7] = "...H#####=#.....";
    rows[8] = "...H#....k#.....";
    EXPECT_TRUE(checkLevel(level(rows)).sound()) << describe(checkLevel(level(rows)));

    rows[6] = "...H#######.....";
    const Report walled = checkLevel(level(rows));
    EXPECT_TRUE(hasFault(walled, 9, 10, "out of the hero's reach")) << describe(walled);
}

TEST(LevelCheckReach, kettlesInTheAirAreTakenByDroppingFromABar) {
    auto rows = frame();
    rows[14] = "...H............";
    rows[4] = "...H--------....";
    rows[7] = "...H....k.......";
    EXPECT_TRUE(checkLevel(level(rows)).sound()) << describe(checkLevel(level(rows)));

    rows[4] = "...H............";
    EXPECT_FALSE(checkLevel(level(rows)).sound());
}

TEST(LevelCheckReach, onlyALadderInHisOwnCellTakesTheHeroUp) {
    auto rows = frame();
    rows[14] = "................";  // the ladder now ends a row above the ground
    rows[5] = "...H....k.......";
    rows[6] = "...H############";
    const Report report = checkLevel(level(rows));
    EXPECT_TRUE(hasFault(report, 6, 9, "out of the hero's reach")) << describe(report);

    rows[14] = "...H............";
    EXPECT_TRUE(checkLevel(level(rows)).sound());
}

TEST(LevelCheckReach, reachMapFollowsFallsToTheFloor) {
    EditorGrid grid;
    // A ledge at row 10 over open space: stepping off it he falls to the ground.
    for (int col = 0; col < 16; ++col) grid.set(col, 11, Brick);
    grid.set(2, 11, Ladder);
    for (int row = 11; row < 15; ++row) grid.set(2, row, Ladder);
    grid.set(5, 11, Empty);
    const CellSet reach = heroReach(grid);
    EXPECT_TRUE(reach[10][4]);
    EXPECT_TRUE(reach[12][5]);  // falling through the gap
    EXPECT_TRUE(reach[14][5]);
    EXPECT_FALSE(reach[12][8]);  // under the ledge, away from the gap
    EXPECT_FALSE(reach[9][4]);   // nothing leads up from the ledge
}

// The program itself, as a designer runs it.
class LevelCheckProgram : public ::testing::Test {
protected:
    std::string write(const std::string& name, const std::string& bytes) {
        const auto file = dir_.path() / name;
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    int run(const std::string& arguments, std::string& output) {
        const std::string command = std::string("'") + ORBO_LEVELCHECK + "' " + arguments + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) return -1;
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
        const int status = pclose(pipe);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    TempDir dir_;
};

TEST_F(LevelCheckProgram, exitsZeroOnlyWhenEveryFileIsSound) {
    auto rows = frame();
    rows[14] = ".k.H............";
    const std::string good = write("Orbo0.orb", level(rows));
    rows[8] = "...H...#k#......";
    rows[9] = "...H...###......";
    rows[7] = "...H...###......";
    const std::string bad = write("Orbo1.orb", level(rows));

    std::string output;
    EXPECT_EQ(run("'" + good + "'", output), 0);
    EXPECT_NE(output.find("sound, 1 kettle"), std::string::npos) << output;

    output.clear();
    EXPECT_EQ(run("'" + good + "' '" + bad + "'", output), 1);
    EXPECT_NE(output.find(bad + ":9:9: kettle at column 8, row 8 is out of the hero's reach"), std::string::npos) << output;

    output.clear();
    EXPECT_EQ(run("'" + (dir_.path() / "missing.orb").string() + "'", output), 1);
    EXPECT_NE(output.find("cannot be read"), std::string::npos) << output;

    output.clear();
    EXPECT_EQ(run("", output), 1);
    EXPECT_NE(output.find("usage"), std::string::npos);
}

}  // namespace
}  // namespace orbo::levelcheck
