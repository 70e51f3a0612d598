// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/Wave.h"

// The parts of a program folder a test lays out by hand: levels and sounds.
namespace orbo {

inline void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A level file's text: rows from the top, each line ended by CR LF; missing rows
// and columns are Empty.
inline std::string levelText(std::vector<std::string> rows) {
    rows.resize(15);
    std::string text;
    for (std::string& row : rows) {
        row.resize(16, '0');
        text += row + "\r\n";
    }
    return text;
}

// Level `number` of the program folder.
inline void writeLevel(const std::filesystem::path& programDir, int number, const std::vector<std::string>& rows) {
    std::filesystem::create_directories(programDir / "Этажи");
    writeFile(programDir / "Этажи" / ("Orbo" + std::to_string(number) + ".orb"), levelText(rows));
}

// A tune of one note in one track: a standard MIDI file a synthesizer plays.
inline const std::string OneNoteTune = std::string(
    "MThd\0\0\0\6\0\0\0\1\0\x60"
    "MTrk\0\0\0\x0C\0\x90\x3C\x40\x60\x80\x3C\0\0\xFF\x2F\0",
    34);

// A hundredth of a second of silence: 16-bit mono PCM at 22050 Hz.
inline std::string silentWave() {
    return waveBytes({.channels = 1, .sampleRate = 22050, .samples = std::vector<std::int16_t>(220)});
}

// The sound folder of a program folder with every effect and the tune in place and sound.
inline void writeSoundFiles(const std::filesystem::path& programDir) {
    const auto folder = programDir / "звуки";
    std::filesystem::create_directories(folder);
    for (const char* name :
         {"чайник.wav", "выстрел.wav", "проиграл.wav", "наверх.wav", "зелень.wav", "коп.wav", "оставил.wav"})
        writeFile(folder / name, silentWave());
    writeFile(folder / "музон0.mid", OneNoteTune);
}

}  // namespace orbo
