// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "tests/tools/SimHarness.h"
#include "tools/levelcheck/CopRush.h"
#include "tools/levelcheck/LevelCheck.h"

namespace orbo {
namespace {

// Column 1 open from the cops' start straight down to the hero's.
const std::vector<std::string> OpenDrop = {"", "1011111111111111", "", "", "", "", "", "", "", "", "", "", "",
                                           "", "0000000000000050"};

// The same, with a shelf that sends the cops the long way round.
const std::vector<std::string> LongWayRound = {
    "0000000000000000", "1111111111111113", "0000000000000003", "0000000000000003", "0000000000000003",
    "0000000000000003", "0000000000000003", "0000000000000003", "0000000000000003", "0000000000000003",
    "0000000000000003", "0000000000000003", "0000000000000003", "0000000000000003", "0050000000000003"};

using CopRush = SimTest;

TEST_F(CopRush, aStraightDropIsReportedAndTheRealCopsTakeNoLessThanTheBound) {
    const auto arrival = levelcheck::copArrivalMs(levelcheck::gridOf(levelText(OpenDrop)));
    ASSERT_TRUE(arrival.has_value());
    EXPECT_LT(*arrival, levelcheck::CopGraceMs);
    const levelcheck::Report report = levelcheck::checkLevel(levelText(OpenDrop));
    ASSERT_FALSE(report.sound());
    EXPECT_NE(report.faults.back().message.find("cops can reach the hero's start cell"), std::string::npos);

    // The hero waits on his start cell; the cops must not get him sooner than the bound says.
    level(0, OpenDrop);
    const auto lines = runAll("new\n600\n");
    int caughtAtPass = 0;
    for (const Json& line : lines)
        if (caughtAtPass == 0 && line["lives"] != lines.front()["lives"]) caughtAtPass = line["pass"];
    ASSERT_GT(caughtAtPass, 0) << "the cops never came";
    EXPECT_GE(caughtAtPass * 16, *arrival);
}

TEST_F(CopRush, theLongWayRoundTakesLongEnoughAndAWallKeepsThemOut) {
    const auto around = levelcheck::copArrivalMs(levelcheck::gridOf(levelText(LongWayRound)));
    ASSERT_TRUE(around.has_value());
    EXPECT_GE(*around, levelcheck::CopGraceMs);
    EXPECT_TRUE(levelcheck::checkLevel(levelText(LongWayRound)).sound());

    // Faster cops make the same way a rush.
    EXPECT_LT(*levelcheck::copArrivalMs(levelcheck::gridOf(levelText(LongWayRound)), 7), levelcheck::CopGraceMs);

    auto walled = LongWayRound;
    walled[0] = CopsWalledIn;
    EXPECT_FALSE(levelcheck::copArrivalMs(levelcheck::gridOf(levelText(walled))).has_value());
}

}  // namespace
}  // namespace orbo
