// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "game/recording/Deflater.h"
#include "game/recording/Records.h"

namespace orbo::recording {

// Turns what the game read into the bytes of a recording, as it goes: records
// in memory until a block is taken, each block compressed onto the one stream.
// A plain pass, what nearly every pass is, takes one byte before compression.
class Encoder {
public:
    // The recording's first line.
    static std::string header();

    void begin(const SessionBegin& begin);
    void end(std::string_view traceLine);
    void close();

    void tick(std::uint32_t tick);
    void timeOfDay(float seconds);
    void seed(DrawSeed seed);
    void keys(bool ok, const KeyState& keys);
    void pump(WindowEvents events);
    void soundOpen(bool ok);
    void displayOpen(bool ok, std::string_view error);
    void picture(bool ok);
    void flip(bool ok, std::string_view error);
    void levelCount(std::optional<int> count);
    void level(std::string_view path, const std::optional<LevelRows>& rows);

    // Everything recorded since the last block, as the next block; empty when
    // nothing was. Blocks end between records, never inside a pass's plain byte.
    std::string takeBlock();

private:
    // A pass that may still turn out plain: how far it has come.
    enum class Plain { None, Pumped, Ticked, KeysSame };

    void settle();
    void spillPlain();
    void writeTicks();
    void put(std::uint8_t byte) { raw_.push_back(static_cast<char>(byte)); }
    void putNumber(std::uint64_t value);
    void putText(std::string_view text);
    void putFlag(bool flag) { put(flag ? 1 : 0); }

    std::string raw_;
    Deflater deflater_;

    std::uint32_t lastTick_ = 0;  // the last tick written
    std::optional<std::uint32_t> heldTick_;
    unsigned heldReadings_ = 0;
    Plain plain_ = Plain::None;
    KeyState lastKeys_{};
    std::vector<LevelRows> levels_;
};

}  // namespace orbo::recording
