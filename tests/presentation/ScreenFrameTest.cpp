#include "game/presentation/Presentation.h"
#include "game/presentation/ScreenSize.h"
#include "game/presentation/sdl/SoftwareDisplay.h"
#include "tests/presentation/PresentationFixture.h"
#include "tests/presentation/TestPictures.h"

namespace orbo {
namespace {

using test::Rgb;
using test::rgb565;

constexpr Rgb TileColour{0, 128, 0};
constexpr Rgb HeroColour{255, 255, 0};
constexpr Rgb CopColour{0, 0, 255};

// Whole frames composed on the in-memory screen and read back pixel by pixel.
class ScreenFrameTest : public PresentationTest {
protected:
    ScreenFrameTest()
        : platform{dir.path(), machine.clock, machine.random, machine.keyboard, screen,
                   machine.sound, machine.music, machine.messages, machine.events},
          onScreen(platform) {
        onScreen.session.cellWidth = 64.0f;
        onScreen.session.cellHeight = 50.0f;
        onScreen.progress.lives = 10.0f;
        EXPECT_TRUE(screen.open()) << screen.lastError();
        picture(Brick, TileColour);
        picture(HeroSpriteSet, HeroColour);
        picture(CopSpriteSet, CopColour);
    }

    void picture(int set, Rgb colour) {
        const auto file = dir.path() / ("set" + std::to_string(set) + ".bmp");
        test::writeBmp(file, 64, 50, colour);
        onScreen.spriteSets[static_cast<std::size_t>(set)].frames[0] = screen.loadSurface(64, 50, 0, file);
        ASSERT_TRUE(onScreen.spriteSets[static_cast<std::size_t>(set)].frames[0]);
    }
    Unit& place(int slot, double x, double y) {
        Unit& unit = onScreen.units[static_cast<std::size_t>(slot)];
        unit.name = slot == HeroSlot ? HeroName : CopName;
        unit.spriteSet = slot == HeroSlot ? HeroSpriteSet : CopSpriteSet;
        unit.col = static_cast<int>(x / 64);
        unit.row = static_cast<int>(y / 50);
        unit.x = x;
        unit.y = y;
        return unit;
    }
    void fill(std::int32_t tile) {
        for (int row = 0; row < FieldRows; ++row)
            for (int col = 0; col < FieldColumns; ++col) onScreen.tileMap.set(col, row, tile);
    }
    std::uint16_t at(int x, int y) {
        if (pixels.empty()) pixels = screen.readBackBuffer();
        return pixels.at(static_cast<std::size_t>(y * ScreenWidth + x));
    }

    sdl::SoftwareDisplay screen;
    Platform platform;
    Game onScreen;
    std::vector<std::uint16_t> pixels;
};

TEST_F(ScreenFrameTest, UnitsLieOverTilesAndHigherSlotsOverLower) {
    fill(Brick);
    place(0, 128, 150);
    place(1, 160, 150);  // half over the hero
    place(2, 600, 400);

    drawFrame(onScreen);

    EXPECT_EQ(at(5, 5), rgb565(TileColour));
    EXPECT_EQ(at(130, 160), rgb565(HeroColour));
    EXPECT_EQ(at(170, 160), rgb565(CopColour)) << "the cop over the hero";
    EXPECT_EQ(at(200, 160), rgb565(CopColour)) << "the cop over a tile";
    EXPECT_EQ(at(610, 410), rgb565(CopColour));
}

TEST_F(ScreenFrameTest, AFreeSlotIsNeitherPosedNorDrawn) {
    fill(Brick);
    place(0, 0, 0);
    Unit& free = onScreen.units[5];
    free.spriteSet = HeroSpriteSet;
    free.x = 512;
    free.y = 300;
    free.pose = 99;

    drawFrame(onScreen);

    EXPECT_EQ(at(520, 310), rgb565(TileColour));
    EXPECT_EQ(free.pose, 99);
}

TEST_F(ScreenFrameTest, TheSeparatorIsFivePixelsOfLightRedAcrossTheScreen) {
    drawFrame(onScreen);
    for (int y = 748; y <= 752; ++y)
        for (const int x : {0, 20, 500, 1023}) EXPECT_EQ(at(x, y), 0xF800) << x << "," << y;
    EXPECT_EQ(at(20, 747), 0);
    EXPECT_EQ(at(20, 753), 0);
}

TEST_F(ScreenFrameTest, AFrameThatClearedTheLevelEndsOnAnEmptyBackBuffer) {
    writeLevel(0, "1111111111111111\r\n");
    writeLevel(1, "1111111111111111\r\n");
    onScreen.session.levelCount = 2;
    onScreen.tileMap.set(1, 14, Kettle);
    place(0, 64, 700);
    place(1, 128, 700);

    drawFrame(onScreen);

    EXPECT_EQ(screen.flips(), 17) << "the level scrolled by";
    EXPECT_EQ(at(130, 710), 0) << "no cop";
    EXPECT_EQ(at(20, 750), 0) << "no separator";
    EXPECT_EQ(screen.shownPixel(5, 5), rgb565(TileColour)) << "the scroll ended on the new level";
}

}  // namespace
}  // namespace orbo
