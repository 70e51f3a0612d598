#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "tests/support/TempDir.h"

namespace orbo {
namespace {

// Whether the process ignores SIGXFSZ, from its status in /proc; empty once
// it is gone.
std::optional<bool> ignoresFileSizeSignal(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("SigIgn:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (SIGXFSZ - 1)) & 1u;
    return std::nullopt;
}

// Both programs ignore SIGXFSZ from their first line, so a write over the
// file-size limit fails like one on a full disk instead of killing them.
TEST(FileSizeSignal, bothProgramsIgnoreItFromTheStart) {
    for (const char* built : {ORBO_GAME, ORBO_EDITOR}) {
        // A copy in a folder of its own, so that the game's start-up does not
        // rewrite pictures beside the build that other tests read.
        TempDir dir;
        const std::string program = (dir.path() / "program").string();
        std::filesystem::copy_file(built, program);
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        const pid_t child = ::fork();
        if (child == 0) {
            // The disposition is inherited: start from the default.
            std::signal(SIGXFSZ, SIG_DFL);
            ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
            ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ASSERT_GT(child, 0);
        bool ignored = false;
        // It is looked at until it says so or ends, a few seconds at most.
        for (int look = 0; look < 600 && !ignored; ++look) {
            const std::optional<bool> state = ignoresFileSizeSignal(child);
            if (!state) break;
            ignored = *state;
            if (!ignored) ::usleep(20000);
        }
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
        EXPECT_TRUE(ignored) << built;
    }
}

}  // namespace
}  // namespace orbo
