#include <cstdlib>

#include "game/presentation/sdl/SoftwareDisplay.h"
#include "game/presentation/sdl/WindowDisplay.h"
#include "tests/common/TempDir.h"
#include "tests/presentation/TestPictures.h"

namespace orbo::sdl {
namespace {

// Keyed copies, one clipped at the edge, and a wide line; the back buffer read back.
std::vector<std::uint16_t> compose(RendererDisplay& screen, const std::filesystem::path& folder) {
    const auto row = screen.loadSurface(64, 50, 0, folder / "row.bmp");
    const auto quarters = screen.loadSurface(64, 50, 0, folder / "quarters.bmp");
    if (!row || !quarters) return {};
    screen.clearBackBuffer();
    for (int i = 0; i < 40; ++i)
        screen.drawSprite(i * 37 % 1000, i * 53 % 760, i % 2 ? *row : *quarters, makeRect(0, 0, 64, 50));
    screen.drawSprite(-20, 740, *quarters, makeRect(0, 0, 40, 30));
    screen.setForeColor(0x0000FF);
    screen.setDrawWidth(5);
    screen.drawLine(0, 750, 1024, 750);
    return screen.readBackBuffer();
}

// Under a virtual X server; skipped without one.
TEST(WindowDisplay, TheWindowComposesTheSamePixelsAsTheScreenInMemory) {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
    const TempDir dir;
    test::writeBmp(dir.path() / "row.bmp", 5, 1, {{0, 0, 0}, {7, 3, 7}, {8, 0, 0}, {200, 100, 50}, {0, 0, 8}});
    test::writeBmp(dir.path() / "quarters.bmp", 2, 2, {{255, 0, 0}, {0, 0, 0}, {12, 200, 99}, {255, 255, 255}});
    WindowDisplay window;
    ASSERT_TRUE(window.open()) << window.lastError();
    SoftwareDisplay memory;
    ASSERT_TRUE(memory.open());

    const auto inWindow = compose(window, dir.path());
    ASSERT_FALSE(inWindow.empty());
    EXPECT_TRUE(inWindow == compose(memory, dir.path()));
    ASSERT_TRUE(window.flip() && memory.flip());
    EXPECT_TRUE(window.readBackBuffer() == memory.readBackBuffer()) << "both hand back the former, black frame";
}

}  // namespace
}  // namespace orbo::sdl
