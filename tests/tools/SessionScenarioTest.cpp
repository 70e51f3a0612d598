#include <cmath>

#include "tests/tools/SimHarness.h"

namespace orbo {
namespace {

// A floor to walk on and a kettle far away so the level stays open.
class SessionScenario : public SimTest {
protected:
    void SetUp() override {
        level(0, {CopsWalledIn, UnderCops, "", "", "", "", "", "", "", "", "", "", "", "", "000000000000005"});
    }
    // A ladder up from the start cell to a turf floor in row 13, a kettle at its top.
    void digLevel() {
        level(0, {CopsWalledIn, UnderCops, "", "", "", "", "", "", "", "", "", "", "0500000000000005",
                  "2322222222222222", "2322222222222222"});
    }
};

TEST_F(SessionScenario, ClocksFireWhenMoreThanTheirIntervalHasPassed) {
    for (int speed = 1; speed <= 7; ++speed) {
        sim::SimOptions options;
        options.speed = speed;
        options.frameMs = 1;
        const auto lines = runAll("600\n", options);
        std::vector<std::int64_t> glides, steps;
        for (const Json& line : lines) {
            const std::int64_t glide = line["clocks"]["glide"], step = line["clocks"]["step"];
            if (glides.empty() || glides.back() != glide) glides.push_back(glide);
            if (steps.empty() || steps.back() != step) steps.push_back(step);
        }
        // With one millisecond a frame a clock fires on the first whole millisecond past its interval.
        const auto expectedPeriod = [&](double interval) {
            return static_cast<std::int64_t>(std::floor(interval)) + 1;
        };
        ASSERT_GE(glides.size(), 3u);
        ASSERT_GE(steps.size(), 2u);
        for (std::size_t i = 1; i < glides.size(); ++i)
            EXPECT_EQ(glides[i] - glides[i - 1], expectedPeriod(200.0 / speed)) << "speed " << speed;
        for (std::size_t i = 1; i < steps.size(); ++i)
            EXPECT_EQ(steps[i] - steps[i - 1], expectedPeriod(400.0 / speed)) << "speed " << speed;
        EXPECT_EQ(glides.front(), lines.front()["tick"].get<std::int64_t>() - 1) << "the first pass fires both clocks";
    }
}

TEST_F(SessionScenario, ClocksAndWalkingCarryOnAcrossTheTickWrap) {
    sim::SimOptions options;
    options.tick0 = 0xFFFFFFFFu - 3000;
    const auto lines = runAll("300 Right\n", options);
    int wraps = 0;
    int colAtWrap = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const double x0 = hero(lines[i - 1])["x"], x1 = hero(lines[i])["x"];
        EXPECT_TRUE(x1 == x0 || x1 == x0 + 16) << "pass " << i;
        if (lines[i]["tick"] < lines[i - 1]["tick"]) {
            ++wraps;
            colAtWrap = hero(lines[i])["col"];
        }
    }
    EXPECT_EQ(wraps, 1);
    EXPECT_GE(hero(lines.back())["col"].get<int>(), colAtWrap + 3) << "he walked on after the wrap";
}

TEST_F(SessionScenario, PauseFreezesMovementRefillAndCapture) {
    digLevel();
    // Dig a hole, pause, wait well past the refill time, then go on.
    const auto lines = runAll("40 Up\n1 W\n5\n1 P\n600\n2 Left\n");
    const Json& paused = lines[46];
    EXPECT_TRUE(paused["paused"]);
    const Json& stillPaused = lines[646];
    EXPECT_TRUE(stillPaused["paused"]);
    EXPECT_EQ(hero(stillPaused), hero(paused));
    EXPECT_EQ(stillPaused["clocks"], paused["clocks"]) << "no clock fires while paused";
    EXPECT_EQ(stillPaused["grid"][13].get<std::string>()[2], '6') << "the hole stays open while paused";
    const Json& unpaused = lines[647];
    EXPECT_FALSE(unpaused["paused"]);
    EXPECT_EQ(hero(unpaused)["dirX"], -1) << "the key that unpaused also steers";
    EXPECT_EQ(lines[648]["grid"][13].get<std::string>()[2], '2')
        << "overdue holes close on the first pass after the pause";
}

TEST_F(SessionScenario, EscSavesAndContinueResumesEverything) {
    digLevel();
    const auto lines = run("new\n40 Up\n1 W\n1 Esc\n5 Right\ncontinue\n1\n");
    ASSERT_EQ(lines.size(), 2u);
    const Json &left = lines[0], &resumed = lines[1];
    EXPECT_TRUE(left["quit"]);
    EXPECT_TRUE(left["canContinue"]);
    EXPECT_EQ(left["pass"], 42) << "passes after the session ended are not run";
    EXPECT_EQ(left["score"], 10);
    EXPECT_EQ(resumed["session"], 2);
    for (const char* key : {"score", "lives", "level", "grid", "carrying"}) EXPECT_EQ(resumed[key], left[key]) << key;
    ASSERT_EQ(resumed["holes"].size(), 1u);
    EXPECT_EQ(resumed["holes"][0]["col"], 2);
    for (const char* key : {"col", "row", "x", "y", "dirX", "dirY", "pose"})
        EXPECT_EQ(hero(resumed)[key], hero(left)[key]) << "the hero is where he was left: " << key;
    EXPECT_EQ(hero(resumed)["row"], 12);
    EXPECT_TRUE(resumed["canContinue"]);
}

TEST_F(SessionScenario, TheRKeyCostsALifeAPassUntilTheGameIsOver) {
    const auto lines = runAll("new\n20 R\ncontinue\n1\n");
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0]["lives"], 9);
    EXPECT_EQ(lines[0]["effects"], Json::array({2}));
    EXPECT_EQ(lines[0]["tick"], 1000000 + 16 + 1000 + 1000 + 16) << "a second's wait before the life goes";
    const Json& over = lines[9];
    EXPECT_TRUE(over["quit"]);
    EXPECT_EQ(over["lives"], 10);
    EXPECT_EQ(over["score"], 0);
    EXPECT_FALSE(over["canContinue"]);
    EXPECT_EQ(lines[10]["session"], 2);
    EXPECT_EQ(lines[10]["lives"], 10) << "continue without a saved game starts a new one";
}

TEST_F(SessionScenario, MissingLevelFileIsReportedAndEndsTheSession) {
    std::filesystem::remove(dir.path() / "Этажи" / "Orbo0.orb");
    std::ofstream(dir.path() / "Этажи" / "readme.txt") << "not a level";
    const auto lines = run("10 Right\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["pass"], 0) << "the loop never runs";
    EXPECT_EQ(lines[0]["messages"], Json::array({"Фаил не найден " + (dir.path() / "Этажи" / "Orbo0.orb").string()}));
    EXPECT_EQ(hero(lines[0])["col"], 1) << "the units are still placed";
}

TEST_F(SessionScenario, MissingLevelFolderIsReportedBeforeAnythingElse) {
    std::filesystem::remove_all(dir.path() / "Этажи");
    const auto lines = run("10\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0]["messages"], Json::array({"Путь не найден " + (dir.path() / "этажи").string()}));
    EXPECT_EQ(lines[0]["tick"], 1000000) << "no title, no wait";
}

}  // namespace
}  // namespace orbo
