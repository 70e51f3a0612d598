// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ProgramFiles.h"

#include <string>

namespace orbo::program_files {

std::filesystem::path graphicsFolder() { return u8"графика"; }

std::filesystem::path capitalisedGraphicsFolder() { return u8"Графика"; }

std::filesystem::path soundFolder() { return u8"звуки"; }

std::filesystem::path levelFolder() { return u8"Этажи"; }

std::filesystem::path lowerCaseLevelFolder() { return u8"этажи"; }

std::filesystem::path levelFile(int number) { return levelFolder() / ("Orbo" + std::to_string(number) + ".orb"); }

std::filesystem::path titlePicture() { return graphicsFolder() / u8"Заставка.bmp"; }

std::filesystem::path tuneName() { return u8"музон0.mid"; }

std::filesystem::path tuneFile() { return soundFolder() / tuneName(); }

std::filesystem::path iconFolder() { return "icons"; }

std::filesystem::path themeIcon(std::string_view name, int size) {
    const std::string square = std::to_string(size) + "x" + std::to_string(size);
    return std::filesystem::path("hicolor") / square / "apps" / (std::string(name) + ".png");
}

std::filesystem::path gameProgram() { return "orbo"; }

std::filesystem::path editorProgram() { return u8"Редактор"; }

std::array<std::filesystem::path, EffectCount> effectFiles() {
    const std::filesystem::path folder = soundFolder();
    return {
        folder / u8"чайник.wav", folder / u8"выстрел.wav", folder / u8"проиграл.wav", folder / u8"наверх.wav",
        folder / u8"зелень.wav", folder / u8"коп.wav",     folder / u8"оставил.wav",
    };
}

}  // namespace orbo::program_files
