#include <fstream>

#include "game/presentation/ScreenSize.h"
#include "game/presentation/sdl/SoftwareDisplay.h"
#include "tests/common/TempDir.h"
#include "tests/presentation/TestPictures.h"

namespace orbo {
namespace {

using test::Rgb;
using test::rgb565;

constexpr Rgb White{255, 255, 255};
constexpr Rgb Black{0, 0, 0};

class SoftwareDisplayTest : public ::testing::Test {
protected:
    SoftwareDisplayTest() { EXPECT_TRUE(display.open()) << display.lastError(); }

    std::unique_ptr<Surface> load(const std::string& name, int width = 64, int height = 50) {
        return display.loadSurface(width, height, 0, dir.path() / name);
    }
    std::uint16_t at(int x, int y) {
        const auto pixels = display.readBackBuffer();
        return pixels.at(static_cast<std::size_t>(y * ScreenWidth + x));
    }

    TempDir dir;
    sdl::SoftwareDisplay display;
};

TEST_F(SoftwareDisplayTest, AKeyedCopyLeavesOutExactlyThePixelsThatBecomeZeroIn16Bits) {
    test::writeBmp(dir.path() / "white.bmp", 8, 1, White);
    // Black, two colours too dark for 16 bits, then the darkest colours that survive.
    test::writeBmpRow(dir.path() / "dark.bmp",
                      {Black, {7, 3, 7}, {7, 0, 0}, {8, 0, 0}, {0, 4, 0}, {0, 0, 8}, {128, 64, 32}, {0, 3, 0}});
    const auto background = load("white.bmp", 8, 1);
    const auto dark = load("dark.bmp", 8, 1);
    ASSERT_TRUE(background && dark);

    display.bltFast(10, 20, *background, makeRect(0, 0, 8, 1));
    display.bltFast(10, 20, *dark, makeRect(0, 0, 8, 1));

    const std::uint16_t white = rgb565(White);
    EXPECT_EQ(at(10, 20), white);
    EXPECT_EQ(at(11, 20), white);
    EXPECT_EQ(at(12, 20), white);
    EXPECT_EQ(at(13, 20), 0x0800);
    EXPECT_EQ(at(14, 20), 0x0020);
    EXPECT_EQ(at(15, 20), 0x0001);
    EXPECT_EQ(at(16, 20), rgb565({128, 64, 32}));
    EXPECT_EQ(at(17, 20), white);
    EXPECT_EQ(at(18, 20), 0) << "nothing drawn beyond the picture";
}

TEST_F(SoftwareDisplayTest, APictureOfAnySizeIsScaledToTheSizeAskedFor) {
    const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, grey{128, 128, 128};
    test::writeQuarters(dir.path() / "quarters.bmp", red, green, blue, grey);
    test::writeBmp(dir.path() / "big.bmp", 300, 200, grey);

    for (const char* name : {"quarters.bmp", "big.bmp"}) {
        const auto sprite = load(name);
        ASSERT_TRUE(sprite) << name;
        EXPECT_EQ(std::make_pair(sprite->width(), sprite->height()), std::make_pair(64, 50)) << name;
    }
    const auto title = load("quarters.bmp", ScreenWidth, ScreenHeight);
    ASSERT_TRUE(title);
    display.bltFast(0, 0, *title, makeRect(0, 0, ScreenWidth, ScreenHeight));
    EXPECT_EQ(at(0, 0), rgb565(red));
    EXPECT_EQ(at(500, 370), rgb565(red));
    EXPECT_EQ(at(524, 370), rgb565(green));
    EXPECT_EQ(at(500, 396), rgb565(blue));
    EXPECT_EQ(at(1023, 767), rgb565(grey));
}

TEST_F(SoftwareDisplayTest, CopiesAreUnscaledAndClippedToTheRectangleAndScreen) {
    test::writeBmp(dir.path() / "grey.bmp", 64, 50, {128, 128, 128});
    const auto sprite = load("grey.bmp");
    ASSERT_TRUE(sprite);
    const std::uint16_t grey = rgb565({128, 128, 128});

    display.bltFast(100, 100, *sprite, makeRect(0, 0, 10, 5));
    EXPECT_EQ(at(109, 104), grey);
    EXPECT_EQ(at(110, 104), 0);
    EXPECT_EQ(at(109, 105), 0);

    display.bltFast(1000, 750, *sprite, makeRect(0, 0, 64, 50));
    EXPECT_EQ(at(1023, 767), grey);
    display.bltFast(-30, -20, *sprite, makeRect(0, 0, 64, 50));
    EXPECT_EQ(at(0, 0), grey);
    EXPECT_EQ(at(34, 0), 0);
}

TEST_F(SoftwareDisplayTest, AWideLineLiesCentredOnItsRow) {
    display.setForeColor(0x0000FF);
    display.setDrawWidth(5);
    display.drawLine(0, 750, 1024, 750);
    for (int y = 748; y <= 752; ++y) {
        EXPECT_EQ(at(0, y), 0xF800) << y;
        EXPECT_EQ(at(1023, y), 0xF800) << y;
    }
    EXPECT_EQ(at(0, 747), 0);
    EXPECT_EQ(at(0, 753), 0);

    display.setForeColor(0xFFFFFF);
    display.setDrawWidth(1);
    display.drawLine(200, 10, 200, 20);
    EXPECT_EQ(at(200, 10), 0xFFFF);
    EXPECT_EQ(at(200, 19), 0xFFFF);
    EXPECT_EQ(at(201, 15), 0);
}

TEST_F(SoftwareDisplayTest, TextIsDrawnInTheForeColourOnATransparentBackground) {
    test::writeBmp(dir.path() / "grey.bmp", 300, 40, {128, 128, 128});
    const auto back = load("grey.bmp", 300, 40);
    ASSERT_TRUE(back);
    display.bltFast(0, 0, *back, makeRect(0, 0, 300, 40));
    display.setForeColor(0xFFFFFF);
    display.drawText(10, 10, "Счет: 0 Ж");

    const auto pixels = display.readBackBuffer();
    const std::uint16_t grey = rgb565({128, 128, 128});
    int lit = 0;
    int white = 0;
    int lowest = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 300; ++x) {
            const std::uint16_t pixel = pixels[static_cast<std::size_t>(y * ScreenWidth + x)];
            if (pixel != grey) {
                ++lit;
                lowest = std::max(lowest, y);
            }
            if (pixel == 0xFFFF) ++white;
            if (y < 10 || x < 10) {
                EXPECT_EQ(pixel, grey) << x << "," << y;
            }
        }
    }
    EXPECT_GT(lit, 100) << "the glyphs are drawn";
    EXPECT_GT(white, 10) << "in the fore colour";
    EXPECT_LT(lowest, 10 + 16) << "about 16 pixels high";
}

TEST_F(SoftwareDisplayTest, AFlipShowsTheFrameKeepsItAfterClosingAndSavesIt) {
    test::writeBmp(dir.path() / "grey.bmp", 64, 50, {128, 128, 128});
    const auto sprite = load("grey.bmp");
    ASSERT_TRUE(sprite);
    display.bltFast(64, 50, *sprite, makeRect(0, 0, 64, 50));
    ASSERT_TRUE(display.flip());
    display.clearBackBuffer();
    EXPECT_EQ(at(64, 50), 0);
    display.close();

    const std::uint16_t grey = rgb565({128, 128, 128});
    EXPECT_EQ(display.shownPixel(64, 50), grey);
    EXPECT_EQ(display.shownPixel(63, 50), 0);
    ASSERT_TRUE(display.saveBmp(dir.path() / "кадр.bmp"));
    const sdl::UniqueSurface saved(SDL_LoadBMP((dir.path() / "кадр.bmp").c_str()));
    ASSERT_TRUE(saved);
    EXPECT_EQ(std::make_pair(saved->w, saved->h), std::make_pair(ScreenWidth, ScreenHeight));
}

TEST_F(SoftwareDisplayTest, AFlipHandsBackTheFormerFrameAsTheBackBuffer) {
    test::writeBmp(dir.path() / "grey.bmp", 64, 50, {128, 128, 128});
    const auto sprite = load("grey.bmp");
    ASSERT_TRUE(sprite);
    display.bltFast(0, 0, *sprite, makeRect(0, 0, 64, 50));
    ASSERT_TRUE(display.flip());
    EXPECT_EQ(at(0, 0), 0) << "the screen showed black before: the title does not stay behind the first frame";

    display.bltFast(100, 0, *sprite, makeRect(0, 0, 64, 50));
    ASSERT_TRUE(display.flip());
    EXPECT_EQ(at(0, 0), rgb565({128, 128, 128}));
    EXPECT_EQ(at(100, 0), 0);
    EXPECT_EQ(display.shownPixel(100, 0), rgb565({128, 128, 128}));

    display.open();
    EXPECT_EQ(display.shownPixel(100, 0), 0) << "a new screen starts black";
}

TEST_F(SoftwareDisplayTest, APictureOutlivesTheScreenItWasLoadedOnAndDrawsOnTheNextOne) {
    test::writeBmp(dir.path() / "grey.bmp", 64, 50, {128, 128, 128});
    auto kept = load("grey.bmp");
    auto dropped = load("grey.bmp");
    ASSERT_TRUE(kept && dropped);
    display.close();
    SDL_ClearError();
    dropped.reset();  // after its screen is gone: its texture went with it and is not freed again
    EXPECT_STREQ(SDL_GetError(), "");

    ASSERT_TRUE(display.open());
    display.bltFast(0, 0, *kept, makeRect(0, 0, 64, 50));
    EXPECT_EQ(at(0, 0), rgb565({128, 128, 128}));
}

TEST_F(SoftwareDisplayTest, MissingAndUnreadablePicturesGiveNoSurface) {
    EXPECT_FALSE(load("missing.bmp"));
    std::ofstream(dir.path() / "broken.bmp") << "not a picture";
    EXPECT_FALSE(load("broken.bmp"));
    EXPECT_NE(display.lastError().find("broken.bmp"), std::string::npos);
}

TEST_F(SoftwareDisplayTest, DrawingWhileClosedDoesNothing) {
    test::writeBmp(dir.path() / "grey.bmp", 64, 50, {128, 128, 128});
    const auto sprite = load("grey.bmp");
    display.close();
    display.clearBackBuffer();
    display.bltFast(0, 0, *sprite, makeRect(0, 0, 64, 50));
    display.drawText(0, 0, "text");
    display.drawLine(0, 0, 10, 10);
    EXPECT_TRUE(display.readBackBuffer().empty());
    EXPECT_FALSE(display.flip());
}

}  // namespace
}  // namespace orbo
