#include "game/presentation/Fps.h"
#include "game/presentation/Presentation.h"
#include "tests/presentation/PresentationFixture.h"

namespace orbo {
namespace {

TEST(FpsFormat, OneRoundedDecimalAndNoLeadingZero) {
    EXPECT_EQ(formatFps(0.0f, '.'), ".0");
    EXPECT_EQ(formatFps(0.94f, '.'), ".9");
    EXPECT_EQ(formatFps(0.96f, '.'), "1.0");
    EXPECT_EQ(formatFps(59.96f, ','), "60,0");
    EXPECT_EQ(formatFps(30.25f, '.'), "30.3");
    EXPECT_EQ(formatFps(1234.5f, '.'), "1234.5");
}

TEST(FpsFormat, IntervalsCountAcrossMidnight) {
    EXPECT_FLOAT_EQ(secondsBetween(100.0f, 100.5f), 0.5f);
    EXPECT_NEAR(secondsBetween(86399.75f, 0.25f), 0.5f, 1e-3f);
}

class FpsTest : public PresentationTest {
protected:
    // One call per frame of `ms` milliseconds; the text each call wrote.
    std::vector<std::string> frames(int count, std::uint32_t ms) {
        std::vector<std::string> shown;
        for (int i = 0; i < count; ++i) {
            machine.display.clearBackBuffer();
            drawFps(*game, 950, 0);
            shown.push_back(machine.display.backBuffer().texts.at(0).text);
            machine.clock.advance(ms);
        }
        return shown;
    }
    static std::string fps(float value) { return "FPS " + formatFps(value, userDecimalSeparator()); }
};

TEST_F(FpsTest, TheFirstMeasureIsMadeOnTheSixtyFirstCallAndRenewedEveryThirty) {
    machine.clock.setTimeOfDay(100.0);
    const auto shown = frames(61, 20);
    EXPECT_EQ(shown[0], fps(0.0f));
    EXPECT_EQ(shown[59], fps(0.0f));
    EXPECT_EQ(shown[60], fps(50.0f));

    // 30 frames from the 61st call to the 91st: 20 ms, then 29 of 40 ms.
    const auto later = frames(30, 40);
    EXPECT_EQ(later[28], fps(50.0f));
    EXPECT_EQ(later[29], fps(25.4f));
    const auto& text = machine.display.backBuffer().texts.at(0);
    EXPECT_EQ(std::tie(text.x, text.y), std::make_tuple(950, 0));
}

TEST_F(FpsTest, AMeasureAcrossMidnightShowsTheTrueRate) {
    machine.clock.setTimeOfDay(86400.0 - 0.9);
    frames(61, 20);
    EXPECT_NEAR(game->fps.fpsValue, 50.0f, 1.0f);
}

}  // namespace
}  // namespace orbo
