// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <vector>

#include "game/core/ScanCodes.h"
#include "game/core/ScreenSize.h"
#include "game/render/PictureFile.h"
#include "game/render/ScreenScaler.h"
#include "game/render/SoftwareDisplay.h"
#include "game/session/Session.h"
#include "tests/presentation/TestPictures.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/ProgramFolder.h"

namespace orbo {
namespace {

// The in-memory screen, and beside it a monitor of another size that receives
// only the changed areas of every flip. After each flip both are checked against
// the frame composed again from nothing.
class CheckedScreen : public sdl::SoftwareDisplay {
public:
    explicit CheckedScreen(TickClock& clock) : clock_(clock) {}

    bool flip() override {
        if (!SoftwareDisplay::flip()) return false;
        clock_.sleep(16);
        const SDL_Surface& frame = composer().frame();
        if (!monitor_) {
            monitor_.reset(SDL_CreateRGBSurfaceWithFormat(0, 1280, 1024, 32, SDL_PIXELFORMAT_XRGB8888));
            reference_.reset(SDL_CreateRGBSurfaceWithFormat(0, 1280, 1024, 32, SDL_PIXELFORMAT_XRGB8888));
            full_ = sdl::makeSurface565(ScreenWidth, ScreenHeight);
            scaler_.emplace(ScreenWidth, ScreenHeight, *monitor_);
            scaler_->copyAll(frame, *monitor_);
        }
        int changedArea = 0;
        for (const SDL_Rect& area : lastChanges()) {
            scaler_->copy(frame, *monitor_, area);
            changedArea += area.w * area.h;
        }
        sdl::FrameComposer::compose(composer().shown(), *full_, {0, 0, ScreenWidth, ScreenHeight});
        scaler_->copyAll(*full_, *reference_);
        if (!test::samePixels(frame, *full_) || !test::samePixels(*monitor_, *reference_)) ++mismatches;
        changedAreas.push_back(changedArea);
        return true;
    }

    int mismatches = 0;
    std::vector<int> changedAreas;  // per flip, in pixels of the frame

private:
    TickClock& clock_;
    sdl::UniqueSurface monitor_;
    sdl::UniqueSurface reference_;
    sdl::UniqueSurface full_;
    std::optional<sdl::ScreenScaler> scaler_;
};

TEST(SessionOnScreen, AfterEveryFlipTheScreenShowsTheWholeFramesPixels) {
    // The built game's pictures, and two levels: the first is cleared by walking
    // right over its only kettle.
    const TempDir folder;
    std::filesystem::create_directory_symlink(std::filesystem::path(ORBO_BIN_DIR) / "графика",
                                              folder.path() / "графика");
    writeLevel(folder.path(), 0, {"", "1111111111111111", "", "", "", "", "", "", "", "", "", "", "", "", "0000050"});
    writeLevel(folder.path(), 1, {"", "1111111111111111", "", "", "", "", "", "00005", "00111111111"});
    test::FakeMachine machine(folder.path());
    CheckedScreen screen(machine.clock);
    Platform platform = machine.platformWith(&screen);
    Game game(platform);
    game.settings.speed = 7;
    game.settings.soundOn = false;  // the folder has no sounds

    // The keys of each stretch of passes: walk onto the kettle (the level scrolls
    // away), frame rate, help, pause, the next level by key, and out.
    const std::vector<std::pair<int, std::vector<int>>> script = {
        {150, {ScanCode::Right}}, {40, {ScanCode::F}},     {10, {ScanCode::F1}},   {1, {ScanCode::P}},     {20, {}},
        {1, {ScanCode::Up}},      {1, {ScanCode::Equals}}, {30, {ScanCode::Left}}, {1, {ScanCode::Escape}}};
    std::size_t stretch = 0;
    int left = script[0].first;
    std::map<int, std::size_t> flipsAtStretch;
    machine.events.onPump = [&] {
        while (left == 0 && stretch + 1 < script.size()) left = script[++stretch].first;
        --left;
        flipsAtStretch.try_emplace(static_cast<int>(stretch), screen.changedAreas.size());
        machine.keyboard.releaseAll();
        for (const int key : script[stretch].second) machine.keyboard.press({key});
    };

    playSession(game);

    ASSERT_TRUE(machine.messages.shown().empty()) << machine.messages.shown().front();
    EXPECT_EQ(game.progress.level, 0) << "cleared the first level, then '=' went on from the second and wrapped";
    EXPECT_EQ(screen.mismatches, 0) << "of " << screen.changedAreas.size() << " flips";
    int passes = 0;
    for (const auto& [count, keys] : script) passes += count;
    constexpr int ScrollFrames = 17;
    ASSERT_EQ(screen.changedAreas.size(), static_cast<std::size_t>(1 + passes + 2 * ScrollFrames))
        << "the title, every pass and two level scrolls";
    EXPECT_EQ(screen.changedAreas.front(), ScreenWidth * ScreenHeight) << "the title";
    // While paused only the kettle's animation changes the picture.
    for (std::size_t flip = flipsAtStretch.at(4) + 1; flip < flipsAtStretch.at(5); ++flip)
        EXPECT_LT(screen.changedAreas[flip], 64 * 64 * 2) << flip;
}

}  // namespace
}  // namespace orbo
