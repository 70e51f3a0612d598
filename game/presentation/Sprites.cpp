// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/presentation/Sprites.h"

#include <string>

#include "common/ProgramFiles.h"
#include "game/presentation/Pictures.h"
#include "game/presentation/Presentation.h"

namespace orbo {
namespace {

constexpr int KettleSet = Kettle;
constexpr int LastKettlePicture = 100;

std::filesystem::path picture(const std::string& name) { return program_files::graphicsFolder() / name; }

std::filesystem::path kettlePicture(int number) {
    std::string digits = std::to_string(number);
    digits.insert(0, 4 - digits.size(), '0');
    return picture("Чайник" + digits + ".bmp");
}

void addFigure(std::vector<SpriteFile>& files, int set, const std::string& stem, int lastFrame) {
    files.push_back({set, 0, 1, picture(stem + ".bmp")});
    for (int frame = 1; frame <= lastFrame; ++frame)
        files.push_back({set, frame, 1, picture(stem + std::to_string(frame) + ".bmp")});
}

}  // namespace

std::vector<SpriteFile> spriteFiles() {
    std::vector<SpriteFile> files = {
        {Empty, 0, 1, picture("пустота.bmp")},   {Brick, 0, 1, picture("Кирпичи.bmp")},
        {Turf, 0, 1, picture("Зелень.bmp")},     {Ladder, 0, 1, picture("Лестница.bmp")},
        {Bar, 0, 1, picture("Перекладина.bmp")},
    };
    for (int number = 0; number <= LastKettlePicture; number += 2)
        files.push_back({KettleSet, number, 2, kettlePicture(number)});
    files.push_back({Hole, 0, 1, picture("Выстрел.bmp")});
    addFigure(files, HeroSpriteSet, "Снеговик", 17);
    addFigure(files, CopSpriteSet, "Коп", 13);
    return files;
}

std::vector<std::filesystem::path> spritePictureNames() {
    std::vector<std::filesystem::path> names = {program_files::titlePicture()};
    for (const SpriteFile& file : spriteFiles()) names.push_back(file.name);
    return names;
}

bool loadSprites(Game& game) {
    for (const SpriteFile& file : spriteFiles()) {
        std::shared_ptr<const Surface> surface = loadPicture(game, CellWidth, CellHeight, file.name);
        if (!surface) return false;
        SpriteSet& set = game.spriteSets[static_cast<std::size_t>(file.set)];
        for (int slot = file.firstSlot; slot < file.firstSlot + file.slots; ++slot)
            set.frames[static_cast<std::size_t>(slot)] = surface;
        if (file.set == KettleSet && file.firstSlot == LastKettlePicture) set.frameCount = LastKettlePicture;
    }
    return true;
}

void advanceFrame(Game& game, int set) {
    if (set < 0 || set >= static_cast<int>(game.spriteSets.size())) return;
    SpriteSet& sprites = game.spriteSets[static_cast<std::size_t>(set)];
    sprites.currentFrame += 1;
    if (sprites.currentFrame > sprites.frameCount) sprites.currentFrame = 0;
}

}  // namespace orbo
