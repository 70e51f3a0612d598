#include <gtest/gtest.h>

#include <string>

#include "editor/BlockPictures.h"
#include "game/frontend/MenuPictures.h"
#include "game/presentation/Music.h"
#include "game/presentation/Sprites.h"
#include "game/session/core/Effects.h"
#include "game/session/core/Level.h"
#include "game/session/fakes/Fakes.h"
#include "tests/assets/AssetFiles.h"

namespace orbo {
namespace {

using assets_test::programDir;
using assets_test::resolved;

// Every file the game, its menu and the editor open, by the names their code uses.
std::vector<std::string> everyFileRead() {
    std::vector<std::string> names = spritePictureNames();
    for (const std::string& name : menu_pictures::shippedPictures()) names.push_back(name);
    // The menu writes these from the JPEG sources; they ship too, so the game
    // runs before the menu has ever converted anything.
    for (const std::string& name : menu_pictures::writtenPictures()) names.push_back(name);
    for (const char* block : BlockPictureFiles) names.push_back(std::string("\\") + GraphicsFolder + "\\" + block);
    for (const char* effect : EffectFiles) names.emplace_back(effect);
    names.emplace_back(TuneFile);
    return names;
}

TEST(AssetFiles, everyFileTheProgramsReadIsThere) {
    const std::vector<std::string> names = everyFileRead();
    ASSERT_GT(names.size(), 150u);
    for (const std::string& name : names) {
        const auto file = resolved(name);
        std::error_code error;
        EXPECT_TRUE(std::filesystem::is_regular_file(file, error)) << name;
        EXPECT_GT(std::filesystem::file_size(file, error), 0u) << name;
    }
}

TEST(AssetFiles, levelFolderHoldsExactlyTheShippedLevels) {
    const auto count = countFiles(resolved("\\Этажи"));
    ASSERT_TRUE(count.has_value());
    EXPECT_EQ(*count, ORBO_SHIPPED_LEVELS);
    EXPECT_GE(*count, 15);
}

TEST(AssetFiles, gameLoadsEveryLevelWithBothStartCellsFree) {
    const int count = countFiles(resolved("\\Этажи")).value_or(0);
    ASSERT_GE(count, 15);
    fake::Machine machine(programDir());
    auto game = std::make_unique<Game>(machine.platform);
    for (int level = 0; level < count; ++level) {
        game->progress.level = level;
        game->session.quit = false;
        loadLevel(*game);
        EXPECT_FALSE(game->session.quit) << "level " << level;
        EXPECT_TRUE(machine.messages.takeShown().empty()) << "level " << level;
        EXPECT_FALSE(isSolid(game->tileMap.at(1, 14))) << "hero start, level " << level;
        EXPECT_FALSE(isSolid(game->tileMap.at(1, 0))) << "cop start, level " << level;
        int kettles = 0;
        for (int row = 0; row < FieldRows; ++row)
            for (int col = 0; col < FieldColumns; ++col) kettles += game->tileMap.at(col, row) == Kettle;
        EXPECT_GT(kettles, 0) << "level " << level;
    }
}

}  // namespace
}  // namespace orbo
