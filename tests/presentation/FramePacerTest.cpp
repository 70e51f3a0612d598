#include <gtest/gtest.h>

#include "game/presentation/sdl/FramePacer.h"

namespace orbo::sdl {
namespace {

using namespace std::chrono_literals;
using Duration = FramePacer::Duration;

TEST(FramePacer, ADisplayThatWaitsForItsRefreshGetsNoSleep) {
    FramePacer pacer(60.0);
    const Duration period = pacer.period();
    Duration now = 5s;
    for (int frame = 0; frame < 100; ++frame) {
        EXPECT_EQ(pacer.sleepAfterPresent(now), Duration::zero()) << frame;
        now += period + (frame % 2 ? 300us : -300us);  // a refresh with some jitter
    }
}

TEST(FramePacer, PresentsThatReturnAtOnceArePacedToTheRefreshRate) {
    FramePacer pacer(50.0);
    EXPECT_EQ(pacer.period(), 20ms);
    Duration now = 1s;
    pacer.sleepAfterPresent(now);
    Duration frameStart = now;
    for (int frame = 0; frame < 100; ++frame) {
        now = frameStart + 3ms;  // the pass composed and presented in 3 ms
        const Duration sleep = pacer.sleepAfterPresent(now);
        EXPECT_EQ(now + sleep, frameStart + 20ms) << "one pass per refresh, whatever a pass takes";
        frameStart = now + sleep;
    }
}

TEST(FramePacer, ALateFrameIsNotMadeUpByRushing) {
    FramePacer pacer(50.0);
    pacer.sleepAfterPresent(1s);
    EXPECT_EQ(pacer.sleepAfterPresent(1s + 5ms), 15ms);
    const Duration stalled = 1s + 500ms;
    EXPECT_EQ(pacer.sleepAfterPresent(stalled), Duration::zero());
    EXPECT_EQ(pacer.sleepAfterPresent(stalled + 2ms), 18ms) << "the next frame counts from the stall";
}

TEST(FramePacer, AnUnknownRefreshRateCountsAsSixtyHertz) {
    EXPECT_EQ(FramePacer(0.0).period(), FramePacer(60.0).period());
}

TEST(FitPicture, TheScreenPictureKeepsItsShapeWithBlackBars) {
    const auto placed = [](int w, int h) {
        const Placement p = fitPicture(w, h, 1024, 768);
        return std::make_tuple(p.x, p.y, p.width, p.height);
    };
    EXPECT_EQ(placed(1024, 768), std::make_tuple(0, 0, 1024, 768));
    EXPECT_EQ(placed(1920, 1080), std::make_tuple(240, 0, 1440, 1080));
    EXPECT_EQ(placed(1280, 1024), std::make_tuple(0, 32, 1280, 960));
    EXPECT_EQ(placed(800, 600), std::make_tuple(0, 0, 800, 600));
    EXPECT_EQ(placed(0, 0), std::make_tuple(0, 0, 0, 0));
}

}  // namespace
}  // namespace orbo::sdl
