#include "game/core/ScanCodes.h"
#include "game/presentation/Presentation.h"
#include "game/session/Keyboard.h"
#include "tests/rules/RulesFixture.h"

namespace orbo {
namespace {

class KeyboardTest : public RulesTest {
protected:
    void SetUp() override {
        // The hero stands on turf he can shoot into.
        setRows({{13, "2222222222222222"}, {14, "2222222222222222"}});
        put(HeroSlot, 5, 12);
    }
    void press(std::initializer_list<int> keys) {
        machine.keyboard.releaseAll();
        machine.keyboard.press(keys);
        drawKeyOverlays(*game, handleKeyboard(*game));
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const auto& text : machine.display.backBuffer().texts) result.push_back(text.text);
        return result;
    }
};

TEST_F(KeyboardTest, ArrowsSetOneIntentionAndTheLowestCodeWins) {
    press({ScanCode::Left});
    EXPECT_EQ(hero().dirX, -1);
    press({ScanCode::Down});
    EXPECT_EQ(hero().dirX, 0);
    EXPECT_EQ(hero().dirY, 1);
    press({ScanCode::Up, ScanCode::Left});
    EXPECT_EQ(hero().dirY, -1) << "Up comes first in the scan and ends it";
    EXPECT_EQ(hero().dirX, 0);
}

TEST_F(KeyboardTest, AShotEndsTheScanBeforeTheArrows) {
    press({ScanCode::Q, ScanCode::Left});
    EXPECT_EQ(game->tileMap.at(4, 13), Hole);
    EXPECT_EQ(hero().dirX, 0) << "the shot stopped him and Left was not read";
    press({ScanCode::W});
    EXPECT_EQ(game->tileMap.at(6, 13), Hole);
}

TEST_F(KeyboardTest, EqualsMovesOnALevelAndEndsTheScan) {
    std::filesystem::create_directories(dir.path() / "Этажи");
    game->session.levelCount = 5;
    press({ScanCode::Equals, ScanCode::Right});
    EXPECT_EQ(game->progress.level, 1);
    EXPECT_EQ(hero().dirX, 0) << "the arrow after = is not read";
}

TEST_F(KeyboardTest, PPausesAndAnyOtherKeyUnpauses) {
    press({ScanCode::P});
    EXPECT_TRUE(game->session.paused);
    press({ScanCode::P});
    EXPECT_TRUE(game->session.paused);
    press({0});
    EXPECT_TRUE(game->session.paused) << "scan code 0 is no key";
    press({57});
    EXPECT_FALSE(game->session.paused) << "Space has no command but unpauses";

    press({ScanCode::P, ScanCode::Right});
    EXPECT_FALSE(game->session.paused) << "a later key unpauses in the same pass";
    EXPECT_EQ(hero().dirX, 1);
    press({ScanCode::P, ScanCode::Q});
    EXPECT_FALSE(game->session.paused) << "Q ends the scan before P is read";
}

TEST_F(KeyboardTest, EscSavesLeavesUnpausesAndLetsTheScanGoOn) {
    game->progress.score = 70;
    game->progress.lives = 4.0f;
    game->progress.level = 3;
    game->session.paused = true;
    press({ScanCode::Escape, ScanCode::Left});
    EXPECT_TRUE(game->session.quit);
    EXPECT_TRUE(game->progress.canContinue);
    EXPECT_EQ(game->progress.savedScore, 70);
    EXPECT_EQ(game->progress.savedLives, 4.0f);
    EXPECT_EQ(game->progress.savedLevel, 3);
    EXPECT_FALSE(game->session.paused);
    EXPECT_EQ(hero().dirX, -1);
}

TEST_F(KeyboardTest, F1ShowsTheHelpAndFTheFrameRate) {
    press({ScanCode::F, ScanCode::F1});
    const auto& drawn = machine.display.backBuffer().texts;
    ASSERT_EQ(drawn.size(), 10u);
    EXPECT_EQ(drawn[0].x, 950);
    EXPECT_EQ(drawn[0].y, 0);
    EXPECT_EQ(drawn[0].text.substr(0, 4), "FPS ");
    for (std::size_t line = 0; line < HelpLines.size(); ++line) {
        EXPECT_EQ(drawn[line + 1].text, HelpLines[line]);
        EXPECT_EQ(drawn[line + 1].x, 0);
        EXPECT_EQ(drawn[line + 1].y, static_cast<int>(20 * line));
    }
    EXPECT_EQ(HelpLines.front(), std::string("Клавиши управления игрой"));
    EXPECT_EQ(HelpLines.back(), std::string("r-новый игрок"));
}

TEST_F(KeyboardTest, RWaitsASecondThenCostsALife) {
    const std::uint32_t before = machine.clock.tickCount();
    press({ScanCode::R, ScanCode::Right});
    EXPECT_EQ(machine.clock.tickCount() - before, 1000u);
    EXPECT_EQ(game->progress.lives, 9.0f);
    EXPECT_EQ(hero().dirX, 0) << "R ends the scan";
}

TEST_F(KeyboardTest, AKeyboardThatCannotReportGivesNoCommands) {
    machine.keyboard.press({ScanCode::Escape});
    machine.keyboard.setBroken(true);
    handleKeyboard(*game);
    EXPECT_FALSE(game->session.quit);
}

}  // namespace
}  // namespace orbo
