#include <cstdlib>

#include "game/presentation/sdl/SoftwareDisplay.h"
#include "game/presentation/sdl/WindowDisplay.h"
#include "tests/common/TempDir.h"
#include "tests/presentation/TestPictures.h"

namespace orbo::sdl {
namespace {

// The real window; these run under a virtual X server and are skipped without one.
class WindowDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
    }
    TempDir dir;
};

// The same keyed copies, clipping and line on a screen; the back buffer read back.
std::vector<std::uint16_t> compose(RendererDisplay& screen, const std::filesystem::path& folder) {
    const auto row = screen.loadSurface(64, 50, 0, folder / "row.bmp");
    const auto quarters = screen.loadSurface(64, 50, 0, folder / "quarters.bmp");
    if (!row || !quarters) return {};
    screen.clearBackBuffer();
    for (int i = 0; i < 40; ++i) screen.bltFast(i * 37 % 1000, i * 53 % 760, i % 2 ? *row : *quarters, makeRect(0, 0, 64, 50));
    screen.bltFast(-20, 740, *quarters, makeRect(0, 0, 40, 30));
    screen.setForeColor(0x0000FF);
    screen.setDrawWidth(5);
    screen.drawLine(0, 750, 1024, 750);
    return screen.readBackBuffer();
}

TEST_F(WindowDisplayTest, TheWindowComposesTheSamePixelsAsTheScreenInMemory) {
    test::writeBmpRow(dir.path() / "row.bmp", {{0, 0, 0}, {7, 3, 7}, {8, 0, 0}, {200, 100, 50}, {0, 0, 8}});
    test::writeQuarters(dir.path() / "quarters.bmp", {255, 0, 0}, {0, 0, 0}, {12, 200, 99}, {255, 255, 255});
    WindowDisplay window;
    ASSERT_TRUE(window.open()) << window.lastError();
    SoftwareDisplay memory;
    ASSERT_TRUE(memory.open());

    const auto inWindow = compose(window, dir.path());
    const auto inMemory = compose(memory, dir.path());
    ASSERT_EQ(inWindow.size(), inMemory.size());
    ASSERT_FALSE(inWindow.empty());
    std::size_t differing = 0;
    for (std::size_t i = 0; i < inWindow.size(); ++i) differing += inWindow[i] != inMemory[i];
    EXPECT_EQ(differing, 0u);

    SDL_DisplayMode desktop;
    ASSERT_EQ(SDL_GetDesktopDisplayMode(0, &desktop), 0);
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window.window(), &width, &height);
    EXPECT_EQ(std::make_pair(width, height), std::make_pair(desktop.w, desktop.h)) << "the whole screen";

    EXPECT_TRUE(window.flip());
    EXPECT_TRUE(memory.flip());
    EXPECT_EQ(window.readBackBuffer(), memory.readBackBuffer()) << "both hand back the former, black frame";
    window.showPointer(false);
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    window.showPointer(true);
    window.close();
    EXPECT_EQ(window.window(), nullptr);
    EXPECT_FALSE(window.flip()) << "a closed screen shows nothing";
}

TEST_F(WindowDisplayTest, AScreenThatCannotBeSetUpSaysWhy) {
    const std::string driver = std::getenv("SDL_VIDEODRIVER") ? std::getenv("SDL_VIDEODRIVER") : "";
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    WindowDisplay window;
    EXPECT_FALSE(window.open());
    EXPECT_NE(window.lastError().find("экран"), std::string::npos) << window.lastError();
    if (driver.empty())
        unsetenv("SDL_VIDEODRIVER");
    else
        setenv("SDL_VIDEODRIVER", driver.c_str(), 1);
}

}  // namespace
}  // namespace orbo::sdl
