#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <memory>
#include <string>

#include "common/Paths.h"
#include "game/core/GameState.h"
#include "game/core/Level.h"
#include "tests/support/FakeMachine.h"

namespace orbo {
namespace {

// A level that cannot be read is reported like a missing one and ends the
// session; the game goes on from the menu.
TEST(LevelLoadFaults, unreadableLevelIsReportedAsNotFound) {
    test::FakeGame fake;
    const auto levels = fake.dir.path() / "Этажи";
    std::filesystem::create_directory(levels);
    std::filesystem::create_directory(levels / "Orbo0.orb");
    std::filesystem::create_symlink("/proc/self/mem", levels / "Orbo1.orb");
    ASSERT_EQ(::mkfifo((levels / "Orbo2.orb").c_str(), 0600), 0);

    Game& game = *fake.game;
    for (int level = 0; level < 3; ++level) {
        game.progress.level = level;
        game.session.quit = false;
        loadLevel(game);
        const auto file = levels / ("Orbo" + std::to_string(level) + ".orb");
        EXPECT_EQ(fake.machine.messages.takeShown(), std::vector<std::string>{FileNotFoundText + displayPath(file)});
        EXPECT_TRUE(game.session.quit) << level;
    }
}

}  // namespace
}  // namespace orbo
