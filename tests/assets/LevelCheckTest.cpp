#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tools/levelcheck/LevelCheck.h"

namespace orbo::levelcheck {
namespace {

using Rows = std::map<int, std::string>;

// A level drawn as pictures: '.' empty, '#' bricks, '=' turf, 'H' ladder, '-'
// bar, 'k' kettle, written as the editor writes it. Rows not given are those
// of a frame: cops on a ledge they leave at its far end, and a ladder from the
// ground up to under it.
std::string level(const Rows& rows) {
    std::string bytes;
    for (int row = 0; row < 15; ++row) {
        std::string picture = row == 0 ? "................" : row == 1 ? "###############." : "...H............";
        if (rows.count(row)) picture = rows.at(row);
        for (const char c : picture) bytes += static_cast<char>('0' + std::string(".#=H-k").find(c));
        bytes += "\r\n";
    }
    return bytes;
}

bool hasFault(const Report& report, int line, int column, const std::string& words) {
    for (const Fault& fault : report.faults)
        if (fault.line == line && fault.column == column && fault.message.find(words) != std::string::npos) return true;
    return false;
}

const Rows KettleOnTheGround{{14, ".k.H............"}};

TEST(LevelCheck, reportsEachFaultWhereItIs) {
    const std::string good = level(KettleOnTheGround);
    std::string lineFeedsOnly = good;
    std::erase(lineFeedsOnly, '\r');
    const struct {
        std::string bytes;
        int line;
        int column;
        std::string words;
    } cases[] = {
        {std::string(good).replace(2 * 18 + 5, 1, "7"), 3, 6, "'7' is not a tile code"},
        {std::string(good).insert(6 * 18 + 16, "0"), 7, 0, "17 characters, expected 16"},
        {lineFeedsOnly, 1, 17, "line feed without carriage return"},
        {good.substr(0, good.size() - 2), 15, 17, "no carriage return and line feed"},
        {good.substr(0, 14 * 18), 0, 0, "14 lines, expected 15"},
        {good + "0000000000000000\r\n", 16, 0, "text after line 15"},
        {level({{14, ".#.H..........k."}}), 15, 2, "the hero's start cell (column 1, row 14) is bricks"},
        {level({{0, ".=.........k...."}}), 1, 2, "the cops' start cell (column 1, row 0) is turf"},
        {level({}), 0, 0, "no kettle"},
        {level({{1, "###H############"}, {14, ".k.H............"}}), 15, 2, "the cops can reach the hero's start cell"},
    };
    EXPECT_TRUE(checkLevel(good).sound());
    for (const auto& c : cases) EXPECT_TRUE(hasFault(checkLevel(c.bytes), c.line, c.column, c.words)) << c.words;
}

// Each way to a kettle, on a level that opens it and on the same level with it
// closed, where the kettle is out of reach.
TEST(LevelCheck, judgesReachByTheGamesOwnMoves) {
    const struct {
        const char* way;
        Rows open;
        Rows closed;
        int line;
        int column;
    } cases[] = {
        {"he shoots the turf beside his feet and falls through it under a brick roof",
         {{6, "...H=======....."}, {7, "...H#####=#....."}, {8, "...H#....k#....."}, {9, "...H#######....."}},
         {{6, "...H#######....."}, {7, "...H#####=#....."}, {8, "...H#....k#....."}, {9, "...H#######....."}},
         9,
         10},
        {"he drops from a bar to a kettle in the air",
         {{4, "...H--------...."}, {7, "...H....k......."}},
         {{7, "...H....k......."}},
         8,
         9},
        {"he climbs a ladder only from its foot",
         {{5, "...H....k......."}, {6, "...H############"}},
         {{5, "...H....k......."}, {6, "...H############"}, {14, "................"}},
         6,
         9},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(checkLevel(level(c.open)).sound()) << c.way;
        EXPECT_TRUE(hasFault(checkLevel(level(c.closed)), c.line, c.column, "out of the hero's reach")) << c.way;
    }
}

TEST(LevelCheck, anyBytesAtAllGiveABoundedReport) {
    std::string noise;
    for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919) % 256);
    const Report report = checkLevel(noise);
    EXPECT_EQ(report.faults.size(), MaxReportedFaults);
    EXPECT_GT(report.unreportedFaults, 0u);
}

}  // namespace
}  // namespace orbo::levelcheck
