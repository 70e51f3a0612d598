// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "game/core/ScanCodes.h"
#include "game/recording/Trace.h"
#include "tests/tools/SimHarness.h"
#include "tools/autoplayer/Distance.h"
#include "tools/autoplayer/Novice.h"
#include "tools/autoplayer/Planner.h"
#include "tools/autoplayer/Replay.h"
#include "tools/autoplayer/Table.h"

namespace orbo {
namespace {

using autoplay::Move;
using autoplay::Playfield;
using autoplay::PlayOptions;

// A pit whose kettle only a hole in its turf roof opens: the hero climbs the
// ladder in column 0, walks along the turf of row 11 and must dig down.
const std::vector<std::string> DiggingPit = {
    "1010000000000000", "0100000000000000", "0000000000000000", "0000000000000000", "0000000000000000",
    "0000000000000000", "0000000000000000", "0000000000000000", "0000000000000000", "0000000000000000",
    "3000000000000000", "3222222222222222", "3111111151111111", "3111111111111111", "3000000000000000",
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
    PlayOptions options(int level, bool smart = false) { return PlayOptions{dir.path(), level, 1, smart}; }

    // Up the ladder beside the start, onto turf that can be dug, then keys held
    // in runs, the same on every run of the test.
    static autoplay::Plan wandering() {
        const int keys[] = {autoplay::NoKey, ScanCode::Left, ScanCode::Right, ScanCode::Up,
                            ScanCode::Down,  ScanCode::Q,    ScanCode::W};
        autoplay::Plan plan{false, {{100, ScanCode::Up}}, {}};
        for (std::uint32_t state = 12345; plan.script.size() < 70;) {
            state = state * 1103515245u + 12345u;
            plan.script.push_back({1 + static_cast<int>((state >> 8) % 40), keys[(state >> 16) % 7]});
        }
        return plan;
    }

    // The playfield's game against orbo-sim's trace of the same keys: the same
    // line but for the effects and messages, which the playfield only counts.
    void expectSameAsOrboSim(const Playfield& field, const autoplay::Plan& plan, bool smart) {
        sim::SimOptions simOptions;
        simOptions.level = field.options().level;
        simOptions.smartCops = smart;
        Json traced = run(autoplay::replayText(PlayOptions{}, plan), simOptions).back();
        std::string line;
        recording::appendTraceLine(line, field.game(), field.game().platform.clock.tickCount(), traced["session"],
                                   traced["pass"], {}, {});
        Json played = Json::parse(line);
        for (const char* unread : {"effects", "messages"}) {
            traced.erase(unread);
            played.erase(unread);
        }
        EXPECT_EQ(played, traced);
    }
};

// A restored snapshot must have the same future, or the planner's searches
// would promise what orbo-sim does not play.
TEST_F(Autoplayer, playfieldPlaysAsOrboSimDoesAlsoFromARestoredSnapshot) {
    level(0, Playground);
    const autoplay::Plan plan = wandering();
    for (const bool smart : {false, true}) {
        SCOPED_TRACE(smart ? "smart cops" : "dumb cops");
        Playfield field(options(0, smart));
        const auto play = [&](std::size_t from, std::size_t to) {
            for (std::size_t at = from; at < to; ++at)
                for (int i = 0; i < plan.script[at].passes; ++i) field.playPass(plan.script[at].key);
        };
        play(0, 20);
        const Playfield::Snapshot middle = field.save();
        play(20, plan.script.size());
        expectSameAsOrboSim(field, plan, smart);
        EXPECT_GT(field.effectCount(1), 0) << "the wandering never dug, so holes went untried";
        field.restore(middle);
        play(20, plan.script.size());
        expectSameAsOrboSim(field, plan, smart);
    }
}

TEST_F(Autoplayer, digsIntoAPitThatOrboSimConfirmsButFindsNoWayUnderBricks) {
    level(0, DiggingPit);
    const PlayOptions play = options(0);
    const autoplay::Plan plan = autoplay::findPlan(play);
    ASSERT_TRUE(plan.cleared);
    // Past the last level the game starts again at 0.
    EXPECT_TRUE(plan.figures.holesDug >= 1 && plan.figures.level == 0 && plan.figures.livesLost == 0);
    const std::string replay = autoplay::replayText(play, plan);
    EXPECT_EQ(replay.substr(0, replay.find('\n')), "# orbo-sim --level 0 --seed 1 --speed 2");
    const auto outcome = autoplay::playScript(play, replay);
    EXPECT_TRUE(outcome && autoplay::keepsPromise(plan, *outcome));
    // Without its last move the script leaves the kettle where it is.
    autoplay::Plan shortened = plan;
    shortened.script.pop_back();
    EXPECT_FALSE(autoplay::keepsPromise(plan, *autoplay::playScript(play, autoplay::replayText(play, shortened))));

    auto bricked = DiggingPit;
    bricked[11] = "3111111111111111";
    level(0, bricked);
    EXPECT_EQ(autoplay::kettleDistance(Playfield(play).game()), autoplay::OutOfReach);
    EXPECT_FALSE(autoplay::findPlan(play, autoplay::SearchOptions{8, 40}).cleared);

    EXPECT_FALSE(Playfield(options(3)).ready()) << "there is no level 3";
}

// Each move ends with the hero at rest one cell on, or is refused where it cannot be made.
TEST_F(Autoplayer, movesEndAtRestOnTheNextCellOrAreRefused) {
    level(0, {CopsWalledIn, UnderCops, "", "", "", "", "", "", "", "", "", "0100000000000000", "0300000000000000",
              "0322200000000000", "0300000000000500"});
    Playfield field(options(0));
    const std::uint32_t startTick = field.save().tick;
    const Unit& hero = field.game().units[HeroSlot];
    std::vector<autoplay::Segment> script;
    const std::tuple<Move, bool, int, int> steps[] = {{Move::DigRight, false, 1, 14}, {Move::Up, true, 1, 13},
                                                      {Move::Up, true, 1, 12},        {Move::Up, false, 1, 12},
                                                      {Move::DigRight, true, 1, 12},  {Move::Right, true, 2, 12}};
    for (const auto& [move, done, col, row] : steps) {
        EXPECT_EQ(autoplay::playMove(field, move, script).done, done) << autoplay::moveName(move);
        EXPECT_TRUE(hero.col == col && hero.row == row && autoplay::isAtRest(hero))
            << autoplay::moveName(move) << " left the hero at " << hero.col << "," << hero.row;
    }
    EXPECT_EQ(field.game().tileMap.at(2, 13), Hole);
    EXPECT_EQ(field.effectCount(1), 1);
    int passes = 0;
    for (const autoplay::Segment& segment : script) passes += segment.passes;
    EXPECT_EQ(static_cast<std::uint32_t>(passes) * 16, field.save().tick - startTick) << "every pass played is kept";
}

// The weaker player clears a plain level, and plays the same game again for
// the same seed: the table of docs/levels.md is made from its games.
TEST_F(Autoplayer, theWeakerPlayerClearsAPitAndPlaysTheSameGameForTheSameSeed) {
    level(0, DiggingPit);
    level(1, Playground);
    const autoplay::NoviceGame pit = autoplay::playAsNovice(options(0));
    EXPECT_TRUE(pit.cleared && pit.livesLost == 0 && pit.closeCalls == 0);
    for (const bool smart : {false, true}) {
        const autoplay::NoviceGame first = autoplay::playAsNovice(options(1, smart), {2, 3000});
        EXPECT_GT(first.closeCalls, 0) << "the cops never came near, so nothing was tried";
        EXPECT_TRUE(first == autoplay::playAsNovice(options(1, smart), {2, 3000}));
    }
}

TEST(AutoplayerTable, sumsUpBothPlayersAndAddsDangerToLength) {
    const autoplay::Plan none;
    const std::vector<autoplay::LevelFigures> levels = {
        {0,
         "first",
         {{true, {}, {1000, 0, 1, 4}}, {true, {}, {3000, 1, 3, 2}}},
         {{true, {}, {500, 2, 0, 1}}, none},
         {{true, 900, 0, 2}, {false, 15000, 3, 5}},
         {{true, 800, 1, 1}, {true, 700, 0, 0}}},
        {1, "second", {none}, {none}, {}, {}},
    };
    const std::string table = autoplay::levelsTable(levels, "the command");
    // Danger (30 + 4 x 10 + 8) / 4, length 16 ms x (1000 + 3000 + 500 + 15000) / 4.
    for (const char* row :
         {"| 0 | first | 97.5 | 19.5 | 78.0 | 2000 | 1 | 3 | 2 | 500 (1 of 2) | 2 | 0 | 1 | 1 | 3 | 7 | 0 | 1 | 1 |",
          "| 1 | second | 240.0 | 0.0 | 240.0 | not cleared | – | – | – | not cleared |", "`the command`"})
        EXPECT_NE(table.find(row), std::string::npos) << table;
}

}  // namespace
}  // namespace orbo
