#include <gtest/gtest.h>

#include <memory>

#include "common/ProgramFiles.h"
#include "game/core/Level.h"
#include "tests/assets/AssetFiles.h"
#include "tests/support/FakeMachine.h"

namespace orbo {
namespace {

// The game counts the files of its level folder and reads them by number, so
// the folder must hold the shipped levels and nothing else. Their content is
// levelcheck's to judge.
TEST(Levels, theGameReadsEveryShippedLevelFromItsFolder) {
    EXPECT_EQ(countFiles(assets_test::resolved(program_files::lowerCaseLevelFolder())), ORBO_SHIPPED_LEVELS);
    const test::FakeGame fake(assets_test::programDir());
    Game& game = *fake.game;
    for (int level = 0; level < ORBO_SHIPPED_LEVELS; ++level) {
        game.progress.level = level;
        game.session.quit = false;
        loadLevel(game);
        EXPECT_FALSE(game.session.quit) << "level " << level;
    }
}

}  // namespace
}  // namespace orbo
