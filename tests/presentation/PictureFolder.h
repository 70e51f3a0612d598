#pragma once

#include <filesystem>
#include <random>
#include <string>

#include "common/ProgramFiles.h"
#include "game/presentation/Sprites.h"
#include "game/render/SdlHandles.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TempDir.h"

namespace orbo::test {

// A program folder with every picture the play screen loads: 64 x 50 sprites and
// the 1024 x 768 title, 24-bit, a coloured figure on black as the real pictures
// are; and levels when asked for.
class PictureFolder {
public:
    PictureFolder() {
        std::filesystem::create_directories(dir_.path() / "графика");
        std::mt19937 random(7);
        for (const auto& name : spritePictureNames()) {
            const bool title = name == program_files::titlePicture();
            write(dir_.path() / name, title ? 1024 : 64, title ? 768 : 50, random);
        }
    }
    const std::filesystem::path& path() const { return dir_.path(); }

    // Level `number` from 15 rows of 16 digits.
    void addLevel(int number, const std::string (&rows)[15]) const {
        writeLevel(dir_.path(), number, {std::begin(rows), std::end(rows)});
    }

private:
    static void write(const std::filesystem::path& file, int width, int height, std::mt19937& random) {
        const sdl::UniqueSurface picture(SDL_CreateRGBSurfaceWithFormat(0, width, height, 24, SDL_PIXELFORMAT_RGB24));
        const SDL_Rect figure{width / 8, height / 8, width * 3 / 4, height * 3 / 4};
        const auto red = static_cast<Uint8>(random() & 0xFF);
        const auto green = static_cast<Uint8>(random() & 0xFF);
        SDL_FillRect(picture.get(), &figure, SDL_MapRGB(picture->format, red, green, 200));
        SDL_SaveBMP(picture.get(), file.c_str());
    }
    TempDir dir_;
};

}  // namespace orbo::test
