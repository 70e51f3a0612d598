#include <gtest/gtest.h>

#include <sstream>

#include "game/core/ScanCodes.h"
#include "tests/tools/SimHarness.h"
#include "tools/autoplayer/Distance.h"
#include "tools/autoplayer/Planner.h"
#include "tools/autoplayer/Replay.h"
#include "tools/autoplayer/Table.h"

namespace orbo {
namespace {

using autoplay::Playfield;
using autoplay::PlayOptions;

// A pit whose kettle only a hole in its turf roof opens: the hero climbs the
// ladder in column 0, walks along the turf of row 11 and must dig down.
const std::vector<std::string> DiggingPit = {
    CopsWalledIn,
    UnderCops,
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "",
    "3000000000000000",
    "3222222222222222",
    "3111111151111111",
    "3111111111111111",
    "3000000000000000",
};

// Ladders, bars, turf and kettles enough for every rule to take part, with
// the cops free to move.
const std::vector<std::string> Playground = {
    "0000000000000000", "1111111131111111", "0000000030000000", "0050000030004440", "2222222232222220",
    "0000000030000000", "0000044430000500", "0000000030022222", "0500000030000000", "2222322222222000",
    "0000300000000000", "0000300050000000", "2322322222222222", "0300300000000000", "0300300000000500",
};

class Autoplayer : public SimTest {
protected:
    PlayOptions options(int level, bool smart = false) {
        PlayOptions play;
        play.dir = dir.path();
        play.level = level;
        play.smartCops = smart;
        return play;
    }
};

// Up the ladder beside the start, onto turf that can be dug, then keys held in
// runs, the same on every run of the test.
std::vector<int> wanderingKeys(int passes) {
    const int keys[] = {autoplay::NoKey, ScanCode::Left, ScanCode::Right, ScanCode::Up,
                        ScanCode::Down,  ScanCode::Q,    ScanCode::W};
    std::vector<int> held(100, ScanCode::Up);
    std::uint32_t state = 12345;
    while (static_cast<int>(held.size()) < passes) {
        state = state * 1103515245u + 12345u;
        const int key = keys[(state >> 16) % 7];
        const int run = 1 + static_cast<int>((state >> 8) % 40);
        for (int i = 0; i < run; ++i) held.push_back(key);
    }
    held.resize(static_cast<std::size_t>(passes));
    return held;
}

std::string scriptOf(const std::vector<int>& keys) {
    autoplay::Plan plan;
    for (const int key : keys) {
        if (!plan.script.empty() && plan.script.back().key == key)
            ++plan.script.back().passes;
        else
            plan.script.push_back({1, key});
    }
    return autoplay::replayText(PlayOptions{}, plan);
}

TEST_F(Autoplayer, playfieldPlaysEveryPassAsOrboSimDoes) {
    level(0, {});
    level(1, Playground);
    for (const bool smart : {false, true}) {
        const auto keys = wanderingKeys(1500);
        Playfield field(options(1, smart));
        ASSERT_TRUE(field.ready());
        for (const int key : keys) field.playPass(key);

        sim::SimOptions simOptions;
        simOptions.level = 1;
        simOptions.smartCops = smart;
        const Json last = run(scriptOf(keys), simOptions).back();
        const Game& game = field.game();
        SCOPED_TRACE(smart ? "smart cops" : "dumb cops");
        EXPECT_EQ(last["pass"], static_cast<int>(keys.size()));
        EXPECT_EQ(last["tick"], field.save().tick);
        EXPECT_EQ(last["level"], game.progress.level);
        EXPECT_EQ(last["score"], game.progress.score);
        EXPECT_EQ(last["lives"], game.progress.lives);
        for (int unit = 0; unit <= 2; ++unit) {
            const Json& traced = last["units"][static_cast<std::size_t>(unit)];
            const Unit& played = game.units[static_cast<std::size_t>(unit)];
            EXPECT_EQ(traced["col"], played.col) << "unit " << unit;
            EXPECT_EQ(traced["row"], played.row) << "unit " << unit;
            EXPECT_EQ(traced["x"], played.x) << "unit " << unit;
            EXPECT_EQ(traced["y"], played.y) << "unit " << unit;
        }
        for (int row = 0; row < FieldRows; ++row) {
            std::string digits;
            for (int col = 0; col < FieldColumns; ++col) digits += static_cast<char>('0' + game.tileMap.at(col, row));
            EXPECT_EQ(last["grid"][static_cast<std::size_t>(row)], digits) << "row " << row;
        }
        EXPECT_GT(field.effectCount(1), 0) << "the wandering never dug, so holes went untried";
    }
}

TEST_F(Autoplayer, aRestoredSnapshotHasTheSameFuture) {
    level(0, Playground);
    Playfield field(options(0));
    const auto keys = wanderingKeys(1200);
    for (std::size_t i = 0; i < 400; ++i) field.playPass(keys[i]);
    const Playfield::Snapshot middle = field.save();

    auto playRest = [&] {
        for (std::size_t i = 400; i < keys.size(); ++i) field.playPass(keys[i]);
        return field.save();
    };
    const Playfield::Snapshot first = playRest();
    field.restore(middle);
    const Playfield::Snapshot second = playRest();

    EXPECT_EQ(second.tick, first.tick);
    EXPECT_EQ(second.progress.score, first.progress.score);
    EXPECT_EQ(second.progress.lives, first.progress.lives);
    EXPECT_EQ(second.effects, first.effects);
    for (std::size_t unit = 0; unit <= 2; ++unit) {
        EXPECT_EQ(second.units[unit].col, first.units[unit].col);
        EXPECT_EQ(second.units[unit].row, first.units[unit].row);
        EXPECT_EQ(second.units[unit].x, first.units[unit].x);
    }
    for (int row = 0; row < FieldRows; ++row)
        for (int col = 0; col < FieldColumns; ++col) EXPECT_EQ(second.tileMap.at(col, row), first.tileMap.at(col, row));
}

TEST_F(Autoplayer, digsIntoAPitAndOrboSimConfirmsTheScript) {
    level(0, {});
    level(1, DiggingPit);
    const PlayOptions play = options(1);
    const autoplay::Plan plan = autoplay::findPlan(play);
    ASSERT_TRUE(plan.cleared);
    EXPECT_GE(plan.figures.holesDug, 1);
    EXPECT_EQ(plan.figures.level, 0);  // past the last level the game starts again at 0
    EXPECT_EQ(plan.figures.livesLost, 0);

    const std::string replay = autoplay::replayText(play, plan);
    EXPECT_EQ(replay.substr(0, replay.find('\n')), "# orbo-sim --level 1 --seed 1 --speed 2");
    const auto outcome = autoplay::playScript(play, replay);
    ASSERT_TRUE(outcome.has_value());
    EXPECT_TRUE(autoplay::keepsPromise(plan, *outcome));

    // Without its last move the script leaves the kettle where it is.
    autoplay::Plan shortened = plan;
    shortened.script.pop_back();
    const auto shortOutcome = autoplay::playScript(play, autoplay::replayText(play, shortened));
    ASSERT_TRUE(shortOutcome.has_value());
    EXPECT_FALSE(autoplay::keepsPromise(plan, *shortOutcome));
}

TEST_F(Autoplayer, aLevelThatIsNotThereStartsNoGame) {
    level(0, DiggingPit);
    EXPECT_FALSE(Playfield(options(3)).ready());
    EXPECT_FALSE(autoplay::findPlan(options(3)).cleared);

    sim::SimOptions simOptions;
    simOptions.level = 3;
    const auto lines = run("new\n100 Left\n", simOptions);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["pass"], 0);
    ASSERT_EQ(lines[0]["messages"].size(), 1u);
    EXPECT_NE(lines[0]["messages"][0].get<std::string>().find("Orbo3.orb"), std::string::npos);
}

TEST_F(Autoplayer, findsNoWayIntoAPitUnderBricks) {
    auto bricked = DiggingPit;
    bricked[11] = "3111111111111111";
    level(0, bricked);
    Playfield field(options(0));
    EXPECT_EQ(autoplay::kettleDistance(field.game()), autoplay::OutOfReach);
    EXPECT_FALSE(autoplay::findPlan(options(0), autoplay::SearchOptions{8, 40}).cleared);

    level(0, DiggingPit);
    Playfield diggable(options(0));
    EXPECT_LT(autoplay::kettleDistance(diggable.game()), autoplay::OutOfReach);
}

// Each move ends with the hero at rest one cell on, or is refused where it cannot be made.
TEST_F(Autoplayer, movesEndAtRestOnTheNextCellOrAreRefused) {
    level(0, {CopsWalledIn, UnderCops, "", "", "", "", "", "", "", "", "", "0100000000000000", "0300000000000000",
              "0322200000000000", "0300000000000500"});
    Playfield field(options(0));
    const std::uint32_t startTick = field.save().tick;
    const Game& game = field.game();
    const Unit& hero = game.units[HeroSlot];
    std::vector<autoplay::Segment> script;

    EXPECT_FALSE(autoplay::playMove(field, autoplay::Move::DigRight, script).done) << "no turf below beside him";
    ASSERT_TRUE(autoplay::playMove(field, autoplay::Move::Up, script).done);
    ASSERT_TRUE(autoplay::playMove(field, autoplay::Move::Up, script).done);
    EXPECT_EQ(hero.row, 12);
    EXPECT_TRUE(autoplay::isAtRest(hero));
    EXPECT_FALSE(autoplay::playMove(field, autoplay::Move::Up, script).done) << "bricks above the ladder";

    const int before = field.effectCount(1);
    ASSERT_TRUE(autoplay::playMove(field, autoplay::Move::DigRight, script).done);
    EXPECT_EQ(game.tileMap.at(2, 13), Hole);
    EXPECT_EQ(field.effectCount(1), before + 1);

    ASSERT_TRUE(autoplay::playMove(field, autoplay::Move::Right, script).done);
    EXPECT_EQ(hero.col, 2);
    EXPECT_TRUE(autoplay::isAtRest(hero));

    int passes = 0;
    for (const autoplay::Segment& segment : script) passes += segment.passes;
    EXPECT_EQ(static_cast<std::uint32_t>(passes) * 16, field.save().tick - startTick)
        << "the script is every pass played";
}

TEST(AutoplayerTable, sumsUpTheClearedPlansAndNamesTheRest) {
    auto cleared = [](int passes, int livesLost, int holes, int closest) {
        autoplay::Plan plan;
        plan.cleared = true;
        plan.figures.passes = passes;
        plan.figures.livesLost = livesLost;
        plan.figures.holesDug = holes;
        plan.figures.closestCall = closest;
        return plan;
    };
    const std::vector<autoplay::LevelFigures> levels = {
        {0, "first", {cleared(100, 0, 1, 4), cleared(300, 1, 3, 2)}, {cleared(500, 2, 0, 1), autoplay::Plan{}}},
        {1, "second", {autoplay::Plan{}, autoplay::Plan{}}, {autoplay::Plan{}, autoplay::Plan{}}},
    };
    const std::string table = autoplay::levelsTable(levels, "the command");
    // Difficulty: (100 + 300 + 1500 + 500 + 2 * 1500 + 5000) / 4 passes.
    EXPECT_NE(table.find("| 0 | first | 2600 | 200 | 1 | 3 | 2 | 500 (1 of 2) | 2 | 0 | 1 |"), std::string::npos)
        << table;
    EXPECT_NE(table.find("| 1 | second | 5000 | not cleared | – | – | – | not cleared |"), std::string::npos) << table;
    EXPECT_NE(table.find("`the command`"), std::string::npos);
}

}  // namespace
}  // namespace orbo
