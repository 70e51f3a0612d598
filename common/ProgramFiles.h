// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <filesystem>
#include <string_view>

// The folders and files the game, the editor and the tools find beside the
// program, relative to its folder. Names are matched without regard to letter
// case, yet a missing one is reported as spelled here: where two parts of the
// programs spell a name differently, both spellings are kept.
namespace orbo::program_files {

std::filesystem::path graphicsFolder();
// The menu's kettle frames spell the folder capitalised, and report a missing frame so.
std::filesystem::path capitalisedGraphicsFolder();
std::filesystem::path soundFolder();
std::filesystem::path levelFolder();
// The game counts the levels and the editor saves them under the lower-case spelling, and reports a missing folder so.
std::filesystem::path lowerCaseLevelFolder();

// The level file of level number (0 upwards).
std::filesystem::path levelFile(int number);

// The title picture the play screen shows first.
std::filesystem::path titlePicture();

// The tune's file name, and the tune below the sound folder.
std::filesystem::path tuneName();
std::filesystem::path tuneFile();

// The desktop icons, in the sizes desktops look for, laid out as an icon theme;
// installed, the icon folder is a link to the system's icons.
std::filesystem::path iconFolder();
inline constexpr std::array<int, 6> IconSizes{16, 32, 48, 64, 128, 256};
// The icon of that name and size below the icon folder.
std::filesystem::path themeIcon(std::string_view name, int size);

// The game and the editor, each started by the other from the same folder.
std::filesystem::path gameProgram();
std::filesystem::path editorProgram();

// The wave files in the order of the sound effect slots.
inline constexpr std::size_t EffectCount = 7;
std::array<std::filesystem::path, EffectCount> effectFiles();

}  // namespace orbo::program_files
