// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "common/Grids.h"
#include "common/ProgramFiles.h"
#include "common/TileKind.h"
#include "editor/BlockPictures.h"
#include "game/frontend/MenuPictures.h"
#include "game/presentation/Sprites.h"
#include "tests/assets/AssetFiles.h"

namespace orbo {
namespace {

QImage readPicture(const std::filesystem::path& name) {
    const QImage picture(QString::fromStdString(assets_test::resolved(name).string()));
    return picture.convertToFormat(QImage::Format_RGB32);
}

// What a pixel becomes on the 16-bit play screen, where 0 is see-through.
bool clearInRgb565(QRgb pixel) { return (qRed(pixel) >> 3 | qGreen(pixel) >> 2 | qBlue(pixel) >> 3) == 0; }

// Every picture the game and its menu read, by the names their code uses, with
// the size it is shown at. The menu writes the BMP forms of its JPEGs itself;
// they ship too, so the game runs before the menu has converted anything.
std::vector<std::pair<std::filesystem::path, QSize>> shownPictures() {
    const QSize cell(CellWidth, CellHeight);
    const QSize screen(1024, 768);
    std::vector<std::pair<std::filesystem::path, QSize>> pictures;
    for (const auto& name : spritePictureNames())
        pictures.emplace_back(name, name == program_files::titlePicture() ? screen : cell);
    std::vector<std::filesystem::path> menu = menu_pictures::shippedPictures();
    for (const auto& name : menu_pictures::writtenPictures()) menu.push_back(name);
    for (const auto& name : menu) {
        const bool splash = name == menu_pictures::splashJpeg() || name == menu_pictures::splashBmp();
        pictures.emplace_back(name, splash ? screen : cell);
    }
    return pictures;
}

// The see-through patches of a picture that no see-through path joins to its
// edge, each with the grey level of the darkest drawn pixel round it.
struct Patch {
    int size = 0;
    int darkestRim = 255;
};

std::vector<Patch> enclosedClearPatches(const QImage& picture) {
    const int w = picture.width();
    std::vector<char> seen(static_cast<std::size_t>(w * picture.height()), 0);
    const auto firstVisit = [&](QPoint p) {
        return !std::exchange(seen[static_cast<std::size_t>(p.y() * w + p.x())], 1);
    };
    std::vector<Patch> patches;
    for (int y0 = 0; y0 < picture.height(); ++y0)
        for (int x0 = 0; x0 < w; ++x0) {
            if (!clearInRgb565(picture.pixel(x0, y0)) || !firstVisit({x0, y0})) continue;
            Patch patch;
            bool edge = false;
            std::vector<QPoint> work{{x0, y0}};
            while (!work.empty()) {
                const QPoint p = work.back();
                work.pop_back();
                ++patch.size;
                for (const QPoint next : {p + QPoint(1, 0), p - QPoint(1, 0), p + QPoint(0, 1), p - QPoint(0, 1)}) {
                    if (!picture.valid(next))
                        edge = true;
                    else if (!clearInRgb565(picture.pixel(next)))
                        patch.darkestRim = std::min(patch.darkestRim, qGray(picture.pixel(next)));
                    else if (firstVisit(next))
                        work.push_back(next);
                }
            }
            if (!edge) patches.push_back(patch);
        }
    return patches;
}

TEST(Pictures, everyPictureTheProgramsReadLoadsAtItsSize) {
    for (const auto& [name, size] : shownPictures()) EXPECT_EQ(readPicture(name).size(), size) << name;
    // The editor scales its block pictures down to its 40 x 30 cells.
    for (const char* block : BlockPictureFiles) {
        const QSize size = readPicture(program_files::graphicsFolder() / block).size();
        EXPECT_TRUE(size.width() >= 40 && size.height() >= 30) << block;
    }
}

// Black is see-through on the 16-bit play screen. In the lossless bitmaps only
// the pure black background may turn see-through, the empty tile all over, and
// no speck of it may be shut in by a figure. The kettle comes through JPEG,
// whose ringing may leave a speck in its dark rim but none in its lit body.
TEST(Pictures, noDrawnPixelTurnsSeeThroughInSixteenBitColour) {
    for (const SpriteFile& file : spriteFiles()) {
        const QImage picture = readPicture(file.name);
        ASSERT_FALSE(picture.isNull()) << file.name;
        for (const Patch& patch : enclosedClearPatches(picture))
            EXPECT_TRUE(patch.size > 6 || (file.set == Kettle && patch.darkestRim < 64)) << "a speck in " << file.name;
        if (file.set == Kettle) continue;
        int lost = 0;
        int clear = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                clear += clearInRgb565(pixel);
                lost += clearInRgb565(pixel) && qRgb(0, 0, 0) != pixel;
            }
        EXPECT_EQ(lost, 0) << file.name;
        if (file.set == Empty) {
            EXPECT_EQ(clear, picture.width() * picture.height());
        }
    }
}

}  // namespace
}  // namespace orbo
