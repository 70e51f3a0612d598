#include <algorithm>
#include <set>

#include "game/presentation/Pictures.h"
#include "game/presentation/Presentation.h"
#include "game/presentation/Sprites.h"
#include "tests/presentation/PresentationFixture.h"

namespace orbo {
namespace {

class SpritesTest : public PresentationTest {
protected:
    // Every picture the session reads, as empty files where it reads them.
    void writePictures() {
        std::filesystem::create_directories(dir.path() / "графика");
        for (std::string name : spritePictureNames()) {
            name.erase(0, std::string("\\графика\\").size());
            std::ofstream(dir.path() / "графика" / name) << "picture";
        }
    }
};

TEST_F(SpritesTest, ThePicturesOfTheSessionAreNamedOnceEach) {
    const auto names = spritePictureNames();
    EXPECT_EQ(names.size(), 1u + 5u + 51u + 1u + 18u + 14u);
    EXPECT_EQ(names.front(), "\\графика\\Заставка.bmp");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (const char* name : {"\\графика\\пустота.bmp", "\\графика\\Чайник0000.bmp", "\\графика\\Чайник0098.bmp",
                             "\\графика\\Чайник0100.bmp", "\\графика\\Снеговик.bmp", "\\графика\\Снеговик17.bmp",
                             "\\графика\\Коп.bmp", "\\графика\\Коп13.bmp", "\\графика\\Выстрел.bmp"})
        EXPECT_NE(std::find(names.begin(), names.end(), name), names.end()) << name;
}

TEST_F(SpritesTest, LoadsEveryFrameAtCellSizeAndKettlePicturesServeTwoSteps) {
    game->spriteSets[Kettle].currentFrame = 37;
    ASSERT_TRUE(loadSprites(*game));

    EXPECT_EQ(machine.display.loadedFiles().size(), 5u + 51u + 1u + 18u + 14u) << "each file read once";
    int filled = 0;
    for (const SpriteSet& set : game->spriteSets)
        for (const auto& frame : set.frames)
            if (frame) {
                ++filled;
                EXPECT_EQ(std::make_pair(frame->width(), frame->height()), std::make_pair(64, 50));
            }
    EXPECT_EQ(filled, 140);

    const SpriteSet& kettle = game->spriteSets[Kettle];
    for (int n = 0; n <= 100; n += 2) {
        ASSERT_TRUE(kettle.frames[static_cast<std::size_t>(n)]);
        EXPECT_EQ(kettle.frames[static_cast<std::size_t>(n)], kettle.frames[static_cast<std::size_t>(n + 1)]);
    }
    EXPECT_EQ(static_cast<const fake::Surface&>(*kettle.frames[42]).file(), "Чайник0042.bmp");
    EXPECT_EQ(kettle.frameCount, 100);
    EXPECT_EQ(kettle.currentFrame, 37) << "the animation goes on where it was";
    EXPECT_EQ(static_cast<const fake::Surface&>(*game->spriteSets[HeroSpriteSet].frames[17]).file(), "Снеговик17.bmp");
    EXPECT_EQ(static_cast<const fake::Surface&>(*game->spriteSets[CopSpriteSet].frames[0]).file(), "Коп.bmp");
    EXPECT_FALSE(game->spriteSets[CopSpriteSet].frames[14]);
}

TEST_F(SpritesTest, AMissingPictureIsNamedAndEndsTheSession) {
    writePictures();
    std::filesystem::remove(dir.path() / "графика" / "Коп7.bmp");
    machine.display.requireFiles(true);

    EXPECT_FALSE(loadSprites(*game));

    const std::string path = (dir.path() / "графика").string() + "/Коп7.bmp";
    EXPECT_EQ(machine.messages.shown(), std::vector<std::string>{"Фаил не найден " + path});
    EXPECT_TRUE(game->session.quit);
}

TEST_F(SpritesTest, AnimationStepsWrapAfterTheLastFrame) {
    SpriteSet& kettle = game->spriteSets[Kettle];
    kettle.frameCount = 100;
    kettle.currentFrame = 99;
    advanceFrame(*game, Kettle);
    EXPECT_EQ(kettle.currentFrame, 100);
    advanceFrame(*game, Kettle);
    EXPECT_EQ(kettle.currentFrame, 0);

    advanceFrame(*game, Brick);  // a set without animation stays on its one frame
    EXPECT_EQ(game->spriteSets[Brick].currentFrame, 0);
    // Sets outside the table are ignored rather than written past its end.
    advanceFrame(*game, 256);
    advanceFrame(*game, -1);
}

}  // namespace
}  // namespace orbo
