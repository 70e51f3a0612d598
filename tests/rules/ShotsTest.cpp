#include <fstream>

#include "game/rules/Movement.h"
#include "game/rules/Shots.h"
#include "tests/rules/RulesFixture.h"

namespace orbo {
namespace {

class ShotsTest : public RulesTest {
protected:
    void SetUp() override {
        // The hero stands on turf in row 12; row 13 is turf too.
        setRows({{13, "2222222222222222"}, {14, "2222222222222222"}});
        game->units[1].kind = UnitKind::Cop;
        game->units[2].kind = UnitKind::Cop;
        put(1, 1, 0);
        put(2, 1, 0);
    }
    int openHoles() const {
        int count = 0;
        for (const HoleRecord& hole : game->holeTable) count += hole.openedAt != 0;
        return count;
    }
};

TEST_F(ShotsTest, AShotDigsTheTurfDiagonallyBelowAndStopsTheHero) {
    Unit& h = put(HeroSlot, 5, 12);
    h.dirX = 1;
    h.pose = 4;
    shoot(*game, ShotDirection::Left);
    EXPECT_EQ(game->tileMap.at(4, 13), Hole);
    EXPECT_EQ(openHoles(), 1);
    EXPECT_EQ(machine.sound.played(), std::vector<int>{1});
    EXPECT_EQ(h.dirX, 0);
    EXPECT_EQ(h.pose, Pose::Standing);
    EXPECT_EQ(game->shot.direction, ShotDirection::Left);

    // The shot pose shows on the next two steps that get as far as moving.
    h.dirX = 1;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.pose, Pose::ShootingLeft);
    glideToRest();
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.pose, Pose::ShootingLeft);
    EXPECT_EQ(game->shot.direction, ShotDirection::None);
    glideToRest();
    h.pose = 0;
    stepUnit(*game, HeroSlot);
    EXPECT_EQ(h.pose, 0);
}

TEST_F(ShotsTest, NothingHappensWithoutTurfBelowAnOpenSideCell) {
    put(HeroSlot, 5, 14);
    shoot(*game, ShotDirection::Right);
    EXPECT_EQ(openHoles(), 0) << "bottom row";

    put(HeroSlot, 5, 12);
    game->tileMap.set(6, 13, Brick);
    shoot(*game, ShotDirection::Right);
    for (std::int32_t side : {Brick, Turf, Ladder, Bar, Kettle}) {
        game->tileMap.set(4, 12, side);
        shoot(*game, ShotDirection::Left);
    }
    EXPECT_EQ(openHoles(), 0);

    put(HeroSlot, 0, 12);
    shoot(*game, ShotDirection::Left);
    EXPECT_EQ(openHoles(), 0) << "nothing left of column 0";
    put(HeroSlot, 15, 12);
    shoot(*game, ShotDirection::Right);
    EXPECT_EQ(openHoles(), 0) << "nothing right of column 15";
    EXPECT_TRUE(machine.sound.played().empty());
}

TEST_F(ShotsTest, ASecondHoleOpensBelowTheFirst) {
    game->tileMap.set(4, 14, Turf);
    put(HeroSlot, 5, 12);
    shoot(*game, ShotDirection::Left);
    put(HeroSlot, 5, 13);
    shoot(*game, ShotDirection::Left);
    EXPECT_EQ(game->tileMap.at(4, 13), Hole);
    EXPECT_EQ(game->tileMap.at(4, 14), Hole);
    EXPECT_EQ(openHoles(), 2);
}

TEST_F(ShotsTest, AHoleLastsSevenSecondsAtEverySpeedAndCanBeDugOnTheMove) {
    for (const int speed : {1, 7}) {
        game->settings.speed = speed;
        setRows({{13, "2222222222222222"}});
        Unit& h = put(HeroSlot, 5, 12);
        h.x += 16.0;  // gliding towards the next cell
        shoot(*game, ShotDirection::Right);
        ASSERT_EQ(game->tileMap.at(6, 13), Hole) << "speed " << speed;
        machine.clock.advance(HoleLifetimeMs);
        refillHoles(*game);
        EXPECT_EQ(game->tileMap.at(6, 13), Hole) << "speed " << speed;
        machine.clock.advance(1);
        refillHoles(*game);
        EXPECT_EQ(game->tileMap.at(6, 13), Turf) << "speed " << speed;
    }
}

TEST_F(ShotsTest, HolesCloseAfterSevenSecondsAcrossTheTickWrap) {
    machine.clock.setTick(0xFFFFF000u);
    put(HeroSlot, 5, 12);
    shoot(*game, ShotDirection::Right);
    machine.clock.advance(HoleLifetimeMs);
    refillHoles(*game);
    EXPECT_EQ(game->tileMap.at(6, 13), Hole) << "exactly 7000 ms is not yet due";
    machine.clock.advance(1);
    refillHoles(*game);
    EXPECT_EQ(game->tileMap.at(6, 13), Turf);
    EXPECT_EQ(openHoles(), 0);

    machine.clock.setTick(0);
    shoot(*game, ShotDirection::Right);
    EXPECT_EQ(openHoles(), 1) << "a hole dug as the count passes 0 is still registered";
    machine.clock.advance(HoleLifetimeMs + 2);
    refillHoles(*game);
    EXPECT_EQ(game->tileMap.at(6, 13), Turf) << "and closes";
}

TEST_F(ShotsTest, AClosingHoleCostsTheHeroALifeAndLeavesLaterHolesForTheNextPass) {
    put(HeroSlot, 5, 12);
    shoot(*game, ShotDirection::Right);
    shoot(*game, ShotDirection::Left);
    machine.sound.takePlayed();
    put(HeroSlot, 6, 13);
    game->progress.score = 50;
    machine.clock.advance(HoleLifetimeMs + 1);

    refillHoles(*game);
    EXPECT_EQ(machine.sound.takePlayed(), (std::vector<int>{4, 2}));
    EXPECT_EQ(game->progress.lives, 9.0f);
    EXPECT_EQ(game->progress.score, 40);
    EXPECT_EQ(hero().col, 1) << "back on the start cell";
    EXPECT_EQ(game->tileMap.at(4, 13), Hole) << "the scan ended with the hero";
    refillHoles(*game);
    EXPECT_EQ(game->tileMap.at(4, 13), Turf);
}

TEST_F(ShotsTest, AClosingHoleSendsEveryCopInsideBack) {
    put(HeroSlot, 5, 12);
    shoot(*game, ShotDirection::Right);
    machine.sound.takePlayed();
    put(1, 6, 13);
    put(2, 6, 13);
    machine.clock.advance(HoleLifetimeMs + 1);
    refillHoles(*game);
    EXPECT_EQ(machine.sound.takePlayed(), (std::vector<int>{4, 4}));
    for (int slot : {1, 2}) {
        EXPECT_EQ(cop(slot).col, 1);
        EXPECT_EQ(cop(slot).row, 0);
        EXPECT_EQ(cop(slot).y, 50.0);
    }
    EXPECT_EQ(game->progress.lives, 10.0f);
}

TEST_F(ShotsTest, LoadingALevelForgetsTheHoles) {
    put(HeroSlot, 5, 12);
    shoot(*game, ShotDirection::Right);
    std::filesystem::create_directories(dir.path() / "Этажи");
    std::ofstream(dir.path() / "Этажи" / "Orbo0.orb") << "1111111111111111\r\n";
    loadLevel(*game);
    EXPECT_EQ(openHoles(), 0);
    EXPECT_EQ(game->tileMap.at(0, 0), Brick);
}

}  // namespace
}  // namespace orbo
