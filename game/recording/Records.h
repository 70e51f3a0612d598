// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "game/core/GameState.h"

// What a recording holds: how each session began, every answer the machine gave
// the game through its seams, in the order the game asked, and how each session
// ended.
namespace orbo::recording {

// The first line of every recording, followed by the format's number.
inline constexpr std::string_view HeaderStart = "orbo recording, format ";
inline constexpr int FormatVersion = 1;

// Bounds the writer keeps and the reader holds every file to, so that no file
// can make a reader run away with memory.
inline constexpr std::size_t MaxBlockBytes = std::size_t{1} << 20;
inline constexpr std::size_t MaxUnpackedBlockBytes = std::size_t{4} << 20;
inline constexpr std::size_t MaxTextBytes = std::size_t{1} << 16;
// Levels kept for a later "the same again": more than any run reads.
inline constexpr std::size_t MaxRememberedLevels = 4096;

// What a session starts as: the menu's choice or a script's.
struct SessionBegin {
    enum class Kind : std::uint8_t {
        NewGame = 1,         // "Новая игра"
        ContinueGame = 2,    // "Продолжить Игру"
        NewGameAtLevel = 3,  // a new game laid out on another level than 0 (orbo-sim --level)
        LevelFile = 4,       // one level file alone (orbo --level, the editor's "Играть")
    };
    Kind kind = Kind::NewGame;
    GameSettings settings;
    std::int32_t level = 0;
    std::filesystem::path levelFile;
};

enum class RecordKind : std::uint8_t {
    Begin,        // begin
    End,          // text: the session's last trace line
    Close,        // the program closed the recording
    Tick,         // number: a tick count read
    TimeOfDay,    // number: the bits of the seconds since midnight read
    Seed,         // seed: the draws after a seeding
    Keys,         // ok: the keyboard answered; keys: its state
    Pump,         // events: the window events of a message pump
    SoundOpen,    // ok
    DisplayOpen,  // ok; text: the error when not
    Picture,      // ok: the picture loaded
    Flip,         // ok; text: the error when not
    LevelCount,   // ok: the folder was counted; number: the count
    Level,        // ok: the file was read; rows; text: its path, relative to the program folder where it lies there
};

// One record as read back.
struct Record {
    RecordKind kind = RecordKind::Tick;
    bool ok = true;
    std::uint32_t number = 0;
    DrawSeed seed;
    WindowEvents events;
    KeyState keys{};
    LevelRows rows{};
    std::string text;
    SessionBegin begin;
};

// A name for the kind of a record, in messages.
std::string_view kindName(RecordKind kind);

// How a recording names a level file: below the program folder as a path
// relative to it, so that it names the same level on another machine;
// anywhere else as it is.
std::string levelFileName(const std::filesystem::path& programDir, const std::filesystem::path& file);

}  // namespace orbo::recording
