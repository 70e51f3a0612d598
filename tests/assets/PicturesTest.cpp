#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <deque>
#include <map>
#include <string>

#include "editor/BlockPictures.h"
#include "game/frontend/MenuPictures.h"
#include "game/presentation/Pictures.h"
#include "game/presentation/Sprites.h"
#include "game/session/core/GameState.h"
#include "tests/assets/AssetFiles.h"

namespace orbo {
namespace {

using assets_test::clearInRgb565;
using assets_test::readImage;
using assets_test::resolved;

// The sprite pictures of one set, by the first animation slot each fills.
std::map<int, QImage> spriteSet(int set) {
    std::map<int, QImage> frames;
    for (const SpriteFile& file : spriteFiles())
        if (file.set == set) frames[file.firstSlot] = readImage(resolved(file.name)).convertToFormat(QImage::Format_RGB32);
    return frames;
}

// Pixels that would be see-through on the play screen but that no path of
// see-through pixels joins to the picture's edge, as the sizes of the patches
// they form. Gaps a figure is drawn with (inside a kettle's handle, between an
// arm and the body) are patches of many pixels; a pixel of the figure lost to
// the 16-bit screen is a patch of one or two.
struct Patch {
    int size;
    int darkestRim;  // grey level of the darkest figure pixel round it
};

std::vector<Patch> enclosedClearPatches(const QImage& picture) {
    const int w = picture.width();
    const int h = picture.height();
    std::vector<char> seen(static_cast<std::size_t>(w * h), 0);
    std::vector<Patch> patches;
    const auto fill = [&](int x0, int y0) {
        std::deque<std::pair<int, int>> work{{x0, y0}};
        seen[static_cast<std::size_t>(y0 * w + x0)] = 1;
        int size = 0;
        int darkestRim = 255;
        bool touchesEdge = false;
        while (!work.empty()) {
            const auto [x, y] = work.front();
            work.pop_front();
            ++size;
            touchesEdge = touchesEdge || x == 0 || y == 0 || x == w - 1 || y == h - 1;
            for (const auto& [dx, dy] : {std::pair{1, 0}, std::pair{-1, 0}, std::pair{0, 1}, std::pair{0, -1}}) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx < 0 || ny < 0 || nx >= w || ny >= h) continue;
                char& mark = seen[static_cast<std::size_t>(ny * w + nx)];
                if (!clearInRgb565(picture.pixel(nx, ny))) {
                    darkestRim = std::min(darkestRim, qGray(picture.pixel(nx, ny)));
                    continue;
                }
                if (mark) continue;
                mark = 1;
                work.emplace_back(nx, ny);
            }
        }
        if (!touchesEdge) patches.push_back({size, darkestRim});
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (!seen[static_cast<std::size_t>(y * w + x)] && clearInRgb565(picture.pixel(x, y))) fill(x, y);
    return patches;
}

// Mean difference of two pictures per channel, 0 to 255.
double difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

TEST(Pictures, everyPictureLoadsAtItsSize) {
    for (const SpriteFile& file : spriteFiles()) {
        const QImage picture = readImage(resolved(file.name));
        ASSERT_FALSE(picture.isNull()) << file.name;
        EXPECT_EQ(picture.size(), QSize(CellWidth, CellHeight)) << file.name;
    }
    for (const auto& conversion : menu_pictures::conversions()) {
        const QImage jpeg = readImage(resolved(conversion.jpeg));
        const QImage bmp = readImage(resolved(conversion.bmp));
        ASSERT_FALSE(jpeg.isNull()) << conversion.jpeg;
        EXPECT_EQ(jpeg.size(), bmp.size()) << conversion.bmp;
    }
    EXPECT_EQ(readImage(resolved(TitlePicture)).size(), QSize(1024, 768));
    EXPECT_EQ(readImage(resolved(menu_pictures::SplashJpeg)).size(), QSize(1024, 768));
    EXPECT_EQ(readImage(resolved(menu_pictures::kettleStem(0) + ".jpg")).size(), QSize(CellWidth, CellHeight));
    for (const char* block : BlockPictureFiles) {
        const QImage picture = readImage(resolved(std::string("\\") + GraphicsFolder + "\\" + block));
        ASSERT_FALSE(picture.isNull()) << block;
        EXPECT_GE(picture.width(), 40) << block;
        EXPECT_GE(picture.height(), 30) << block;
    }
}

TEST(Pictures, bitmapsAreUncompressed24Bit) {
    for (const SpriteFile& file : spriteFiles()) {
        const std::vector<unsigned char> bytes = assets_test::readBytes(resolved(file.name));
        ASSERT_GE(bytes.size(), 54u) << file.name;
        EXPECT_EQ(bytes[0], 'B');
        EXPECT_EQ(bytes[1], 'M');
        EXPECT_EQ(bytes[28] | bytes[29] << 8, 24) << file.name;
        EXPECT_EQ(bytes[30] | bytes[31] << 8 | bytes[32] << 16 | bytes[33] << 24, 0) << file.name;
    }
}

// A dark outline drawn darker than the 16-bit screen can show would vanish into
// the background. In the lossless bitmaps every pixel is either the pure black
// background or a colour that stays visible.
TEST(Pictures, noDrawnPixelVanishesInSixteenBitColour) {
    for (const SpriteFile& file : spriteFiles()) {
        if (file.set == Kettle) continue;  // decoded from JPEG, checked below
        const QImage picture = readImage(resolved(file.name)).convertToFormat(QImage::Format_RGB32);
        int vanished = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                vanished += clearInRgb565(pixel) && (qRed(pixel) | qGreen(pixel) | qBlue(pixel)) != 0;
            }
        EXPECT_EQ(vanished, 0) << file.name;
    }
}

TEST(Pictures, figuresStandOnATransparentBackgroundWithoutHoles) {
    for (const int set : {static_cast<int>(Kettle), HeroSpriteSet, CopSpriteSet}) {
        for (const auto& [slot, picture] : spriteSet(set)) {
            const int w = picture.width() - 1;
            const int h = picture.height() - 1;
            for (const QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
                EXPECT_TRUE(clearInRgb565(picture.pixel(corner))) << "set " << set << " slot " << slot;
            for (const Patch& patch : enclosedClearPatches(picture)) {
                // The kettle comes through JPEG, whose ringing may leave a dark
                // speck in its dark rim; inside the lit body none may show.
                if (set == Kettle && patch.darkestRim < 64) continue;
                EXPECT_GT(patch.size, 6) << "a see-through speck inside set " << set << " slot " << slot;
            }
        }
    }
}

TEST(Pictures, tilesCoverTheirCellAndTheEmptyTileIsClear) {
    for (const SpriteFile& file : spriteFiles()) {
        if (file.set > Hole || file.set == Kettle) continue;
        const QImage picture = readImage(resolved(file.name)).convertToFormat(QImage::Format_RGB32);
        int visible = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) visible += !clearInRgb565(picture.pixel(x, y));
        const int cells = picture.width() * picture.height();
        if (file.set == Empty) {
            EXPECT_EQ(visible, 0);
        } else if (file.set == Brick || file.set == Turf) {
            EXPECT_EQ(visible, cells) << file.name;
        } else {
            EXPECT_GT(visible, cells / 10) << file.name;
        }
    }
}

TEST(Pictures, everyPoseIsATwoFrameAnimationOfItsOwn) {
    for (const int set : {HeroSpriteSet, CopSpriteSet}) {
        const std::map<int, QImage> frames = spriteSet(set);
        ASSERT_EQ(frames.size(), set == HeroSpriteSet ? 18u : 14u);
        for (const auto& [slot, picture] : frames) {
            if (slot % 2 == 1) continue;
            EXPECT_GT(difference(picture, frames.at(slot + 1)), 1.0) << "set " << set << " pose " << slot;
        }
        // Left and right are not the same picture, nor is hanging the same as standing.
        EXPECT_GT(difference(frames.at(2), frames.at(4)), 2.0);
        EXPECT_GT(difference(frames.at(8), frames.at(10)), 2.0);
        EXPECT_GT(difference(frames.at(0), frames.at(6)), 2.0);
        if (set == HeroSpriteSet) {
            EXPECT_GT(difference(frames.at(14), frames.at(16)), 2.0);
        }
    }
}

// The kettle moves on every frame, and the step from the last frame back to
// the first is no bigger a jump than the steps within the loop.
TEST(Pictures, kettleAnimationLoopsSmoothly) {
    const std::map<int, QImage> frames = spriteSet(Kettle);
    ASSERT_EQ(frames.size(), 51u);
    std::vector<double> steps;
    for (auto it = frames.begin(); std::next(it) != frames.end(); ++it)
        steps.push_back(difference(it->second, std::next(it)->second));
    const double largest = *std::max_element(steps.begin(), steps.end());
    const double smallest = *std::min_element(steps.begin(), steps.end());
    const double wrap = difference(frames.rbegin()->second, frames.begin()->second);
    EXPECT_GT(smallest, 0.05);
    EXPECT_LE(wrap, largest);
    EXPECT_GT(wrap, 0.05);
}

}  // namespace
}  // namespace orbo
