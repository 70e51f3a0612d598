// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "common/FileSizeLimit.h"
#include "common/Paths.h"
#include "common/formats/LevelFile.h"
#include "tests/common/ChildProcess.h"
#include "tests/support/TempDir.h"

namespace orbo {
namespace {

namespace fs = std::filesystem;

// A grid that tells which save wrote it: the writer in row 0, the save's
// number in the digits of row 1.
EditorGrid markedGrid(int writer, int save) {
    EditorGrid grid;
    grid.set(0, 0, writer);
    for (int col = 0; col < 4; ++col) {
        grid.set(col, 1, save % 10);
        save /= 10;
    }
    return grid;
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

const SaveOptions BothWays[] = {{true}, {false}};

std::string way(const SaveOptions& options) { return options.unnamedFile ? "unnamed file" : "temporary name"; }

TEST(LevelSave, takesTheNextFreeNumberWithoutLeavingAnythingElse) {
    for (const SaveOptions& options : BothWays) {
        TempDir dir;
        for (int i = 0; i < 3; ++i) std::ofstream(dir.path() / ("Orbo" + std::to_string(i) + ".orb")) << "1";
        // Names are taken without regard to case; a folder is no level.
        std::ofstream(dir.path() / "эТАЖ3.ORB") << "1";
        fs::create_directory(dir.path() / "ЭТАЖ5.orb");
        const SaveResult first = saveEditorLevel(dir.path(), markedGrid(1, 1), options);
        const SaveResult second = saveEditorLevel(dir.path(), markedGrid(1, 2), options);
        ASSERT_TRUE(first.saved && second.saved) << first.reason << second.reason;
        EXPECT_EQ(first.path, dir.path() / "Этаж4.orb") << way(options);
        EXPECT_EQ(second.path, dir.path() / "Этаж6.orb") << way(options);
        EXPECT_EQ(contents(second.path), formatLevel(markedGrid(1, 2)));
        EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"Orbo0.orb", "Orbo1.orb", "Orbo2.orb", "эТАЖ3.ORB",
                                                              "Этаж4.orb", "ЭТАЖ5.orb", "Этаж6.orb"}))
            << way(options);
    }
}

// Whatever holds a level's name keeps it: nothing is followed, nothing replaced.
TEST(LevelSave, neverFollowsOrReplacesSymlinksOrFolders) {
    for (const SaveOptions& options : BothWays) {
        TempDir dir;
        const fs::path outside = dir.path() / "outside";
        fs::create_directory(outside);
        const fs::path levels = dir.path() / "levels";
        fs::create_directory(levels);
        fs::create_symlink(outside / "target.orb", levels / "Этаж0.orb");
        fs::create_symlink("Этаж1.orb", levels / "Этаж1.orb");
        fs::create_directory(levels / "Этаж2.orb");

        const SaveResult result = saveEditorLevel(levels, markedGrid(2, 0), options);
        ASSERT_TRUE(result.saved) << result.reason;
        EXPECT_EQ(result.path, levels / "Этаж3.orb") << way(options);
        EXPECT_FALSE(fs::exists(outside / "target.orb")) << way(options);
        EXPECT_EQ(fs::read_symlink(levels / "Этаж0.orb"), outside / "target.orb");
        EXPECT_EQ(fs::read_symlink(levels / "Этаж1.orb"), "Этаж1.orb");
        EXPECT_TRUE(fs::is_directory(levels / "Этаж2.orb"));
        EXPECT_EQ(namesIn(levels).size(), 4u) << way(options);
    }
}

TEST(LevelSave, manyFilesOfOddCaseAreAllSeenAsTaken) {
    TempDir dir;
    // 1000 files from 500 on: the count points into a run of 500 taken names.
    for (int i = 500; i < 1500; ++i) std::ofstream(dir.path() / ("эТаЖ" + std::to_string(i) + ".oRb"));
    const SaveResult result = saveEditorLevel(dir.path(), EditorGrid{});
    ASSERT_TRUE(result.saved) << result.reason;
    EXPECT_EQ(result.path, dir.path() / "Этаж1500.orb");
}

// A failed save names the file or folder, says why, and leaves nothing behind.
TEST(LevelSave, failuresGiveTheSystemsReason) {
    TempDir dir;
    const SaveResult noFolder = saveEditorLevel(dir.path() / "этажи", EditorGrid{});
    EXPECT_FALSE(noFolder.saved);
    EXPECT_EQ(noFolder.path, dir.path() / "этажи");
    EXPECT_EQ(noFolder.reason, std::strerror(ENOENT));

    for (const SaveOptions& options : BothWays) {
        // Tests may run as root, whom permissions do not stop: the save runs as nobody.
        const ChildOutcome readOnly = runInChild([&] {
            if (::geteuid() == 0 && (::setresgid(65534, 65534, 65534) != 0 || ::setresuid(65534, 65534, 65534) != 0))
                return std::string("cannot become nobody");
            const SaveResult result = saveEditorLevel(dir.path(), EditorGrid{}, options);
            return (result.saved ? "saved " : "failed ") + result.path.string() + "\n" + result.reason;
        });
        EXPECT_EQ(readOnly.output, "failed " + (dir.path() / "Этаж0.orb").string() + "\n" + std::strerror(EACCES))
            << way(options);
        EXPECT_TRUE(namesIn(dir.path()).empty()) << way(options);
    }
}

// Over the file-size limit a save fails like on a full disk, instead of the
// signal killing the program.
TEST(LevelSave, fileSizeLimitFailsTheSaveInsteadOfKilling) {
    for (const SaveOptions& options : BothWays) {
        TempDir dir;
        const ChildOutcome outcome = runInChild([&] {
            ignoreFileSizeLimitSignal();
            const rlimit limit{100, 100};
            if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) return std::string("no limit");
            const SaveResult result = saveEditorLevel(dir.path(), EditorGrid{}, options);
            return (result.saved ? "saved\n" : "failed\n") + result.reason;
        });
        EXPECT_TRUE(outcome.exitedNormally) << way(options) << ", signal " << outcome.signal;
        EXPECT_EQ(outcome.output, std::string("failed\n") + std::strerror(EFBIG)) << way(options);
        EXPECT_TRUE(namesIn(dir.path()).empty()) << way(options);
    }
}

// Two editors saving into one folder at once: every save reported as done
// is there, under its own name, with its own level.
TEST(LevelSave, concurrentSavesNeverLoseALevel) {
    constexpr int SavesEach = 150;
    for (const SaveOptions& options : BothWays) {
        TempDir dir;
        const auto saveMany = [&](int writer) {
            std::string report;
            for (int save = 0; save < SavesEach; ++save) {
                const SaveResult result = saveEditorLevel(dir.path(), markedGrid(writer, save), options);
                report +=
                    (result.saved ? result.path.filename().string() : "FAILED") + " " + std::to_string(save) + "\n";
            }
            return report;
        };
        ChildProcess first([&] { return saveMany(1); });
        ChildProcess second([&] { return saveMany(2); });
        const ChildOutcome outcomes[] = {first.finish(), second.finish()};

        std::map<std::string, std::string> expected;  // name -> level
        int reported = 0;
        for (int writer = 1; writer <= 2; ++writer) {
            ASSERT_TRUE(outcomes[writer - 1].exitedNormally) << way(options);
            std::istringstream lines(outcomes[writer - 1].output);
            for (std::string name, save; lines >> name >> save;) {
                ++reported;
                EXPECT_NE(name, "FAILED") << way(options);
                EXPECT_TRUE(expected.emplace(name, formatLevel(markedGrid(writer, std::stoi(save)))).second)
                    << name << " reported twice, " << way(options);
            }
        }
        EXPECT_EQ(reported, 2 * SavesEach) << way(options);
        EXPECT_EQ(countFiles(dir.path()), 2 * SavesEach) << way(options);
        EXPECT_EQ(namesIn(dir.path()).size(), static_cast<std::size_t>(2 * SavesEach)) << way(options);
        int wrong = 0;
        for (const auto& [name, level] : expected) wrong += contents(dir.path() / name) != level;
        EXPECT_EQ(wrong, 0) << way(options);
    }
}

}  // namespace
}  // namespace orbo
