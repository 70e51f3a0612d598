// SPDX-License-Identifier: GPL-3.0-or-later
// levelcheck: reports every layout fault of level files and every kettle the
// hero cannot reach from his start cell.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/levelcheck/LevelCheck.h"

namespace {

constexpr const char* Help =
    "usage: levelcheck [--map] [--] FILE.orb...\n"
    "       levelcheck --help\n"
    "\n"
    "Checks level files for the game and reports, as FILE:LINE:COLUMN: message,\n"
    "  - every layout fault: a level file is exactly 15 lines of 16 digits 0 to 5\n"
    "    (0 empty, 1 bricks, 2 turf, 3 ladder, 4 bar, 5 kettle), each line ended by\n"
    "    carriage return and line feed, as the editor writes it;\n"
    "  - bricks or turf on the hero's start cell (column 1, row 14) or the cops'\n"
    "    (column 1, row 0), and a level without kettles, which can never be cleared;\n"
    "  - every kettle the hero cannot reach from his start cell. Columns are\n"
    "    counted 0 to 15 from the left and rows 0 to 14 from the top;\n"
    "  - cops that can step into the hero's start cell less than 5 s after a\n"
    "    new life (at speed 2, with the game's clocks at their fastest).\n"
    "\n"
    "Reach is worked out with the game's own rules: walking, falling, climbing\n"
    "ladders, hanging on bars and shooting holes into turf, tried from every cell\n"
    "the hero can get to. Two simplifications: a dug hole is taken to stay open\n"
    "for the rest of the search (in the game it closes after 7 seconds, so a way\n"
    "through it needs quick play), and the cops are left out.\n"
    "\n"
    "With --map, each level is also printed beside a map of the cells the hero\n"
    "can reach (o) and cannot (.).\n"
    "\n"
    "Files that are not ordinary files (folders, pipes, devices) are refused\n"
    "unread. Options end at --, for file names that start with a dash.\n"
    "\n"
    "Exit status: 0 when every file is sound, 1 when any is not, 2 for a usage\n"
    "error.\n";

constexpr int UsageError = 2;

// The level's rows beside the hero's reach, for designers.
void printMap(const std::string& file) {
    const std::optional<std::string> bytes = orbo::levelcheck::readLevelBytes(file);
    if (!bytes) return;
    const orbo::EditorGrid level = orbo::levelcheck::gridOf(*bytes);
    const orbo::levelcheck::CellSet reach = orbo::levelcheck::heroReach(level);
    for (int row = 0; row < orbo::FieldRows; ++row) {
        std::string digits, marks;
        for (int col = 0; col < orbo::FieldColumns; ++col) {
            digits += static_cast<char>('0' + level.at(col, row));
            marks += reach[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] ? 'o' : '.';
        }
        std::printf("  %2d  %s  %s\n", row, digits.c_str(), marks.c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> files;
    bool map = false;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (options && (arg == "-h" || arg == "--help")) {
            std::fputs(Help, stdout);
            return 0;
        }
        if (options && arg == "--") {
            options = false;
        } else if (options && arg == "--map") {
            map = true;
        } else if (options && arg.size() > 1 && arg.front() == '-') {
            std::fprintf(stderr, "levelcheck: unknown option '%s'\n\n%s", argv[i], Help);
            return UsageError;
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "levelcheck: no level file given\n\n%s", Help);
        return UsageError;
    }

    bool allSound = true;
    for (const std::string& file : files) {
        const orbo::levelcheck::Report report = orbo::levelcheck::checkLevelFile(file);
        for (const auto& fault : report.faults) {
            std::string where = file;
            if (fault.line > 0) where += ":" + std::to_string(fault.line);
            if (fault.column > 0) where += ":" + std::to_string(fault.column);
            std::printf("%s: %s\n", where.c_str(), fault.message.c_str());
        }
        const std::size_t faults = report.faults.size() + report.unreportedFaults;
        if (report.unreportedFaults > 0)
            std::printf("%s: %zu further faults not shown\n", file.c_str(), report.unreportedFaults);
        if (faults == 0) {
            std::printf("%s: sound, %d kettle%s, all within reach\n", file.c_str(), report.kettles,
                        report.kettles == 1 ? "" : "s");
        } else {
            allSound = false;
            std::printf("%s: %zu fault%s\n", file.c_str(), faults, faults == 1 ? "" : "s");
        }
        if (map) printMap(file);
        // Each verdict is out before the next file is opened.
        std::fflush(stdout);
    }
    return allSound ? 0 : 1;
}
