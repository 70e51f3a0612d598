#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace orbo {

// A tune of one note in one track: a standard MIDI file a synthesizer plays.
inline const std::string OneNoteTune = std::string(
    "MThd\0\0\0\6\0\0\0\1\0\x60"
    "MTrk\0\0\0\x0C\0\x90\x3C\x40\x60\x80\x3C\0\0\xFF\x2F\0",
    34);

// A hundredth of a second of silence: 16-bit mono PCM at 22050 Hz.
inline std::string silentWave() {
    const auto little = [](std::uint32_t value, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
        return out;
    };
    const std::uint32_t dataBytes = 2 * 220;
    return "RIFF" + little(36 + dataBytes, 4) + "WAVEfmt " + little(16, 4) + little(1, 2) + little(1, 2) +
           little(22050, 4) + little(44100, 4) + little(2, 2) + little(16, 2) + "data" + little(dataBytes, 4) +
           std::string(dataBytes, '\0');
}

inline void writeFile(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
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
