// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/Encoder.h"

#include <zlib.h>

#include <algorithm>
#include <bit>

#include "game/recording/Encoding.h"

namespace orbo::recording {

using namespace encoding;

namespace {

void appendWord(std::string& out, std::uint32_t word) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((word >> shift) & 0xFF));
}

// Small changes either way in few bytes.
std::uint32_t zigzag(std::int32_t value) {
    return (static_cast<std::uint32_t>(value) << 1) ^ static_cast<std::uint32_t>(value >> 31);
}

// The change from one tick reading to another, across the counter's wrap.
std::int32_t tickChange(std::uint32_t from, std::uint32_t to) { return static_cast<std::int32_t>(to - from); }

}  // namespace

std::string Encoder::header() { return std::string(HeaderStart) + std::to_string(FormatVersion) + '\n'; }

void Encoder::putNumber(std::uint64_t value) {
    do {
        const auto low = static_cast<std::uint8_t>(value & 0x7F);
        value >>= 7;
        put(value != 0 ? low | 0x80 : low);
    } while (value != 0);
}

void Encoder::putText(std::string_view text) {
    text = text.substr(0, MaxTextBytes);
    putNumber(text.size());
    raw_.append(text);
}

// Whatever is held back is written: the pass is over, or something else came.
void Encoder::settle() {
    spillPlain();
    writeTicks();
}

void Encoder::spillPlain() {
    if (plain_ == Plain::None) return;
    put(PumpTag);
    put(0);
    if (plain_ == Plain::KeysSame) {
        writeTicks();
        put(KeysSameTag);
    }
    plain_ = Plain::None;
}

void Encoder::writeTicks() {
    if (!heldTick_) return;
    put(TickTag);
    putNumber(zigzag(tickChange(lastTick_, *heldTick_)));
    putNumber(heldReadings_);
    lastTick_ = *heldTick_;
    heldTick_.reset();
    heldReadings_ = 0;
}

void Encoder::begin(const SessionBegin& begin) {
    settle();
    put(BeginTag);
    put(static_cast<std::uint8_t>(begin.kind));
    const GameSettings& settings = begin.settings;
    put(static_cast<std::uint8_t>((settings.soundOn ? SoundFlag : 0) | (settings.musicOn ? MusicFlag : 0) |
                                  (settings.smartCops ? SmartCopsFlag : 0)));
    putNumber(static_cast<std::uint32_t>(std::max(settings.speed, 0)));
    putNumber(static_cast<std::uint32_t>(std::max(begin.level, 0)));
    putText(begin.levelFile.native());
}

void Encoder::end(std::string_view traceLine) {
    settle();
    put(EndTag);
    putText(traceLine);
}

void Encoder::close() {
    settle();
    put(CloseTag);
}

void Encoder::tick(std::uint32_t tick) {
    if (plain_ == Plain::Pumped) {
        heldTick_ = tick;
        heldReadings_ = 1;
        plain_ = Plain::Ticked;
        return;
    }
    if (plain_ == Plain::Ticked && tick == *heldTick_ && heldReadings_ < PlainPassMost) {
        ++heldReadings_;
        return;
    }
    spillPlain();
    if (heldTick_ && tick == *heldTick_ && heldReadings_ < MostReadingsInTickRecord) {
        ++heldReadings_;
        return;
    }
    writeTicks();
    heldTick_ = tick;
    heldReadings_ = 1;
}

void Encoder::timeOfDay(float seconds) {
    settle();
    put(TimeOfDayTag);
    appendWord(raw_, std::bit_cast<std::uint32_t>(seconds));
}

void Encoder::seed(DrawSeed seed) {
    settle();
    put(SeedTag);
    put(static_cast<std::uint8_t>(seed.kind));
    putNumber(seed.seed);
}

void Encoder::keys(bool ok, const KeyState& keys) {
    if (plain_ == Plain::Ticked && ok && keys == lastKeys_ && heldReadings_ >= PlainPassFewest) {
        plain_ = Plain::KeysSame;
        return;
    }
    settle();
    if (!ok) {
        put(KeysFailedTag);
        return;
    }
    if (keys == lastKeys_) {
        put(KeysSameTag);
        return;
    }
    put(KeysChangedTag);
    std::size_t changed = 0;
    for (std::size_t key = 0; key < keys.size(); ++key)
        if (keys[key] != lastKeys_[key]) ++changed;
    putNumber(changed);
    for (std::size_t key = 0; key < keys.size(); ++key) {
        if (keys[key] == lastKeys_[key]) continue;
        put(static_cast<std::uint8_t>(key));
        put(keys[key]);
    }
    lastKeys_ = keys;
}

void Encoder::pump(WindowEvents events) {
    settle();
    if (!events.closeRequested && !events.focusLost) {
        plain_ = Plain::Pumped;
        return;
    }
    put(PumpTag);
    put(static_cast<std::uint8_t>((events.closeRequested ? CloseRequestedFlag : 0) |
                                  (events.focusLost ? FocusLostFlag : 0)));
}

void Encoder::soundOpen(bool ok) {
    settle();
    put(SoundOpenTag);
    putFlag(ok);
}

void Encoder::displayOpen(bool ok, std::string_view error) {
    settle();
    put(DisplayOpenTag);
    putFlag(ok);
    if (!ok) putText(error);
}

void Encoder::picture(bool ok) {
    settle();
    put(PictureTag);
    putFlag(ok);
}

void Encoder::flip(bool ok, std::string_view error) {
    if (plain_ == Plain::KeysSame && ok) {
        const std::int32_t change = tickChange(lastTick_, *heldTick_);
        if (change >= 0 && change <= static_cast<std::int32_t>(PlainPassLargestChange)) {
            put(static_cast<std::uint8_t>(PlainPassBit + (heldReadings_ - PlainPassFewest) * 32 +
                                          static_cast<unsigned>(change)));
            lastTick_ = *heldTick_;
            heldTick_.reset();
            heldReadings_ = 0;
            plain_ = Plain::None;
            return;
        }
    }
    settle();
    put(FlipTag);
    putFlag(ok);
    if (!ok) putText(error);
}

void Encoder::levelCount(std::optional<int> count) {
    settle();
    put(LevelCountTag);
    putFlag(count.has_value());
    if (count) putNumber(static_cast<std::uint32_t>(std::max(*count, 0)));
}

void Encoder::level(std::string_view path, const std::optional<LevelRows>& rows) {
    settle();
    const auto known = rows ? std::find(levels_.begin(), levels_.end(), *rows) : levels_.end();
    if (known != levels_.end()) {
        put(LevelAgainTag);
        putText(path);
        putNumber(static_cast<std::uint64_t>(known - levels_.begin()));
        return;
    }
    put(LevelTag);
    putText(path);
    putFlag(rows.has_value());
    if (!rows) return;
    for (const LevelRow& row : *rows)
        for (const std::int32_t code : row) put(static_cast<std::uint8_t>(code));
    if (levels_.size() < MaxRememberedLevels) levels_.push_back(*rows);
}

std::string Encoder::takeBlock() {
    settle();
    if (raw_.empty()) return {};
    const std::string packed = deflater_.compress(raw_);
    raw_.clear();
    std::string block;
    appendWord(block, static_cast<std::uint32_t>(packed.size()));
    appendWord(block, static_cast<std::uint32_t>(
                          crc32(0, reinterpret_cast<const Bytef*>(packed.data()), static_cast<uInt>(packed.size()))));
    return block + packed;
}

}  // namespace orbo::recording
