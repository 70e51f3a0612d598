#include "tests/tools/SimHarness.h"

namespace orbo {
namespace {

int kettlesOnField(const Json& line) {
    int count = 0;
    for (const Json& row : line["grid"])
        for (const char cell : row.get<std::string>()) count += cell == '5';
    return count;
}

using RulesScenario = SimTest;

TEST_F(RulesScenario, CopsFallingDownTheStartColumnCatchTheHero) {
    level(0, {"", "", "", "", "", "", "", "", "", "", "", "", "", "", "000000000000005"});
    const auto lines = runAll("300\n");
    std::size_t caught = 0;
    while (caught < lines.size() && lines[caught]["lives"] == 10) ++caught;
    ASSERT_LT(caught, lines.size());
    EXPECT_EQ(lines[caught]["lives"], 9);
    EXPECT_EQ(lines[caught]["effects"], Json::array({2}));
    EXPECT_EQ(lines[caught]["units"][1]["row"], 0) << "everyone is back on the start cells";
    EXPECT_EQ(lines[caught - 1]["units"][1]["row"].get<int>(), 13) << "the cop was one row above the hero";
    EXPECT_EQ(runAll("300\n"), lines) << "a seeded run is repeatable";
}

TEST_F(RulesScenario, AHoleClosingOnTheHeroCostsALife) {
    level(0, {CopsWalledIn, UnderCops, "", "", "", "", "", "", "", "", "", "", "0000000000000005", "2322222222222222",
              "2322222222222222"});
    const auto lines = runAll("40 Up\n1 W\n40 Right\n500\n");
    std::size_t caught = 0;
    while (caught < lines.size() && lines[caught]["lives"] == 10) ++caught;
    ASSERT_LT(caught, lines.size());
    EXPECT_EQ(hero(lines[caught - 1])["col"], 2);
    EXPECT_EQ(hero(lines[caught - 1])["row"], 13) << "he was in the hole";
    EXPECT_EQ(lines[caught]["effects"], Json::array({4, 2}));
    EXPECT_EQ(lines[caught]["grid"][13], "2322222222222222");
    const std::int64_t dugAt = lines[40]["tick"];
    EXPECT_GT(lines[caught]["tick"].get<std::int64_t>() - dugAt, 7000);
    EXPECT_LT(lines[caught]["tick"].get<std::int64_t>() - dugAt, 7000 + 2 * 16);
}

TEST_F(RulesScenario, TheEqualsKeyAdvancesAndWrapsAfterTheLastLevel) {
    level(0, {CopsWalledIn, UnderCops, "", "", "", "", "", "", "", "", "", "", "", "", "000000000000005"});
    level(1, {CopsWalledIn, UnderCops, "", "", "", "", "", "", "", "", "", "", "", "", "111111111111111"});
    const auto lines = runAll("1 Equals\n1 Equals\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["level"], 1);
    EXPECT_EQ(lines[0]["grid"][14], "1111111111111110");
    EXPECT_EQ(lines[0]["effects"], Json::array({3}));
    EXPECT_EQ(lines[1]["level"], 0);
    EXPECT_EQ(lines[1]["tick"].get<std::int64_t>() - lines[0]["tick"].get<std::int64_t>(), 17 * (16 + 50) + 16)
        << "17 scroll pictures 50 ms apart, then the pass's own frame";
}

TEST_F(RulesScenario, TakingTheLastKettleOnTheFieldWhileACopCarriesOneDoesNotClearTheLevel) {
    // The cops drop into a kettle cell on a closed-off top floor; the hero's kettle is below.
    level(0,
          {"", "0500000000000000", "1111111111111111", "", "", "", "", "", "", "", "", "", "", "", "0050000000000000"});
    const auto lines = runAll("400 Right\n");
    bool copTook = false;
    bool heroTook = false;
    for (const Json& line : lines) {
        for (const Json& effect : line["effects"]) {
            copTook |= effect == 5;
            heroTook |= effect == 0;
        }
        const int carried = line["carrying"][0].get<int>() + line["carrying"][1].get<int>();
        if (copTook) {
            EXPECT_EQ(kettlesOnField(line) + carried, heroTook ? 1 : 2) << "pass " << line["pass"];
        }
        EXPECT_EQ(line["level"], 0);
    }
    EXPECT_TRUE(copTook);
    EXPECT_TRUE(heroTook);
    EXPECT_EQ(lines.back()["score"], 10);
}

}  // namespace
}  // namespace orbo
