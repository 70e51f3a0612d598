#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/TempDir.h"
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

// The program as a designer runs it: exit status and what it prints. A run
// that hangs is stopped, and its status then tells so.
std::pair<int, std::string> run(const std::string& arguments, const std::filesystem::path& folder = ".") {
    const std::string command =
        "cd '" + folder.string() + "' && timeout -k 5 60 '" + ORBO_LEVELCHECK + "' " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return {-1, ""};
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST(LevelCheckProgram, exitsOneWhenAnyFileIsFaultyAndSaysWhere) {
    TempDir dir;
    const auto write = [&](const char* name, const std::string& bytes) {
        std::ofstream(dir.path() / name, std::ios::binary) << bytes;
        return (dir.path() / name).string();
    };
    const std::string good = write("Orbo0.orb", level(KettleOnTheGround));
    const std::string layout = write("Orbo1.orb", level(KettleOnTheGround).replace(2 * 18 + 5, 1, "7"));
    const std::string walled = write(
        "Orbo2.orb",
        level({{14, ".k.H............"}, {7, "...H...###......"}, {8, "...H...#k#......"}, {9, "...H...###......"}}));
    const std::string missing = (dir.path() / "Orbo3.orb").string();

    const auto [status, output] = run("'" + good + "'");
    EXPECT_EQ(status, 0);
    EXPECT_NE(output.find(good + ": sound, 1 kettle"), std::string::npos) << output;
    const std::pair<std::string, std::string> faulty[] = {
        {layout, ":3:6: '7' is not a tile code"},
        {walled, ":9:9: kettle at column 8, row 8 is out of the hero's reach"},
        {missing, ": cannot be read: No such file or directory"},
    };
    for (const auto& [file, fault] : faulty) {
        const auto [faultyStatus, report] = run("'" + file + "' '" + good + "'");
        EXPECT_EQ(faultyStatus, 1) << file;
        EXPECT_NE(report.find(file + fault), std::string::npos) << report;
    }
}

std::size_t occurrences(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// What is no level file is reported as such, without waiting on a pipe, and
// the files after it are still checked.
TEST(LevelCheckProgram, refusesWhatIsNoLevelFileAndGoesOn) {
    TempDir dir;
    const std::string good = (dir.path() / "Orbo0.orb").string();
    std::ofstream(good, std::ios::binary) << level(KettleOnTheGround);
    const std::string folder = (dir.path() / "Orbo1.orb").string();
    std::filesystem::create_directory(folder);
    const std::string pipe = (dir.path() / "Orbo2.orb").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string huge = (dir.path() / "Orbo3.orb").string();
    std::ofstream(huge, std::ios::binary) << std::string(MaxFileBytes + 1, '0');

    const auto [status, output] =
        run("'" + good + "' '" + pipe + "' '" + folder + "' /proc/self/mem '" + huge + "' '" + good + "'");
    EXPECT_EQ(status, 1);
    EXPECT_EQ(occurrences(output, good + ": sound, 1 kettle"), 2u) << output;
    EXPECT_NE(output.find(folder + ": not a regular file"), std::string::npos) << output;
    EXPECT_NE(output.find(pipe + ": not a regular file"), std::string::npos) << output;
    EXPECT_NE(output.find("/proc/self/mem: cannot be read: Input/output error"), std::string::npos) << output;
    EXPECT_NE(output.find(huge + ": larger than"), std::string::npos) << output;
}

TEST(LevelCheckProgram, usageErrorsExitTwoWithTheUsage) {
    TempDir dir;
    std::ofstream(dir.path() / "-dash.orb", std::ios::binary) << level(KettleOnTheGround);
    const std::string good = "'" + (dir.path() / "-dash.orb").string() + "'";
    for (const std::string& arguments : std::vector<std::string>{"", "--map", "--bogus " + good, good + " -x"}) {
        const auto [status, output] = run(arguments);
        EXPECT_EQ(status, 2) << arguments;
        EXPECT_NE(output.find("usage: levelcheck"), std::string::npos) << arguments << "\n" << output;
    }
    // After --, a name that starts with a dash is a file.
    const auto [status, output] = run("-- -dash.orb", dir.path());
    EXPECT_EQ(status, 0) << output;
}

}  // namespace
}  // namespace orbo::levelcheck
