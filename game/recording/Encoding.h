// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// How records are laid out as bytes, shared by the writer and the reader.
//
// A recording is the header line, then blocks: 4 bytes of length and 4 bytes
// of CRC-32 (little-endian), then that many bytes of one deflate stream that
// runs through the whole file, flushed at the end of every block. A block
// unpacks to whole records. A record is a tag byte and its fields; numbers are
// LEB128, texts a length and UTF-8 bytes.
namespace orbo::recording::encoding {

enum Tag : std::uint8_t {
    BeginTag = 0x01,        // kind, settings flags, speed, level, level file
    EndTag = 0x02,          // trace line
    CloseTag = 0x03,        //
    TickTag = 0x04,         // change from the last tick (zigzag), how many readings give it
    TimeOfDayTag = 0x05,    // 4 bytes
    SeedTag = 0x06,         // draw kind, seed
    KeysSameTag = 0x07,     // as the last answer
    KeysChangedTag = 0x08,  // count, then scan code and value of each key that changed
    KeysFailedTag = 0x09,   //
    PumpTag = 0x0A,         // window event flags
    SoundOpenTag = 0x0B,    // 0 or 1
    DisplayOpenTag = 0x0C,  // 0 or 1, the error when 0
    PictureTag = 0x0D,      // 0 or 1
    FlipTag = 0x0E,         // 0 or 1, the error when 0
    LevelCountTag = 0x0F,   // 0 or 1, the count when 1
    LevelTag = 0x10,        // path, 0 or 1, the 240 cell codes when 1
    LevelAgainTag = 0x11,   // path, the number of a level recorded before
};

// A plain pass in one byte: a message pump without window events, a few tick
// readings of one value, the keyboard as before and a flip that showed the
// frame. The byte is PlainPassBit + (readings - PlainPassFewest) * 32 + change
// from the last tick.
inline constexpr std::uint8_t PlainPassBit = 0x80;
inline constexpr unsigned PlainPassFewest = 3;
inline constexpr unsigned PlainPassMost = PlainPassFewest + 3;
inline constexpr unsigned PlainPassLargestChange = 31;

// The most readings one tick record gives: more are written as several, so that
// no record of a few bytes can stand for billions of readings.
inline constexpr unsigned MostReadingsInTickRecord = 1U << 16;

inline constexpr std::uint8_t CloseRequestedFlag = 1;
inline constexpr std::uint8_t FocusLostFlag = 2;

inline constexpr std::uint8_t SoundFlag = 1;
inline constexpr std::uint8_t MusicFlag = 2;
inline constexpr std::uint8_t SmartCopsFlag = 4;

inline constexpr unsigned BlockHeaderBytes = 8;

}  // namespace orbo::recording::encoding
