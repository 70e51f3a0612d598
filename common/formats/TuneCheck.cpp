// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/formats/TuneCheck.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace orbo {
namespace {

constexpr std::size_t ChunkHeaderBytes = 8;
constexpr std::size_t MidiHeaderBytes = 6;
constexpr std::uint8_t MetaEvent = 0xFF;
constexpr std::uint8_t EndOfTrack = 0x2F;
constexpr std::uint8_t SystemExclusive = 0xF0;
constexpr std::uint8_t SystemExclusiveMore = 0xF7;
constexpr std::uint8_t NoStatus = 0;  // status bytes all have their top bit set

// Reads forward through one chunk; every read is checked against its end.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    bool atEnd() const { return at_ == bytes_.size(); }
    std::size_t left() const { return bytes_.size() - at_; }

    std::optional<std::uint8_t> byte() {
        if (atEnd()) return std::nullopt;
        return bytes_[at_++];
    }
    std::optional<std::uint8_t> peek() const {
        if (atEnd()) return std::nullopt;
        return bytes_[at_];
    }
    std::optional<std::uint32_t> bigEndian(int count) {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) {
            const auto next = byte();
            if (!next) return std::nullopt;
            value = value << 8 | *next;
        }
        return value;
    }
    // MIDI's variable-length numbers: seven bits a byte, at most four bytes.
    std::optional<std::uint32_t> variableLength() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto next = byte();
            if (!next) return std::nullopt;
            value = value << 7 | (*next & 0x7Fu);
            if ((*next & 0x80u) == 0) return value;
        }
        return std::nullopt;
    }
    bool skip(std::size_t count) {
        if (count > left()) return false;
        at_ += count;
        return true;
    }
    std::span<const std::uint8_t> take(std::size_t count) {
        const auto part = bytes_.subspan(at_, count);
        at_ += count;
        return part;
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

// Data bytes after a channel status byte: program change and channel pressure have one.
int dataBytesOf(std::uint8_t status) {
    const int kind = status >> 4;
    return kind == 0xC || kind == 0xD ? 1 : 2;
}

bool isPlayableTrack(std::span<const std::uint8_t> track) {
    Reader events(track);
    std::uint8_t runningStatus = NoStatus;
    while (!events.atEnd()) {
        if (!events.variableLength()) return false;
        const auto first = events.byte();
        if (!first) return false;
        if (*first == MetaEvent) {
            const auto type = events.byte();
            const auto length = events.variableLength();
            if (!type || !length || !events.skip(*length)) return false;
            // Anything after the end of the track would never be played.
            if (*type == EndOfTrack) return *length == 0 && events.atEnd();
            runningStatus = NoStatus;
        } else if (*first == SystemExclusive || *first == SystemExclusiveMore) {
            const auto length = events.variableLength();
            if (!length || !events.skip(*length)) return false;
            runningStatus = NoStatus;
        } else if (*first >= 0xF0) {
            return false;  // real-time and common messages have no place in a file
        } else {
            int dataBytes = 0;
            if (*first & 0x80u) {
                runningStatus = *first;
                dataBytes = dataBytesOf(*first);
            } else {
                // A data byte first repeats the last status, which must exist.
                if (runningStatus == NoStatus) return false;
                dataBytes = dataBytesOf(runningStatus) - 1;
            }
            for (int i = 0; i < dataBytes; ++i) {
                const auto data = events.byte();
                if (!data || (*data & 0x80u)) return false;
            }
        }
    }
    return false;  // no end-of-track event
}

// The four-letter name of the chunk that starts here; the caller made sure it is whole.
bool chunkNamed(Reader& reader, std::string_view name) {
    const auto tag = reader.take(name.size());
    return std::equal(tag.begin(), tag.end(), name.begin(),
                      [](std::uint8_t byte, char letter) { return byte == static_cast<std::uint8_t>(letter); });
}

}  // namespace

bool isPlayableTune(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > LargestTuneBytes) return false;
    Reader file(bytes);
    if (file.left() < ChunkHeaderBytes || !chunkNamed(file, "MThd")) return false;
    const auto headerLength = file.bigEndian(4);
    if (!headerLength || *headerLength < MidiHeaderBytes || *headerLength > file.left()) return false;
    Reader header(file.take(*headerLength));
    const auto format = header.bigEndian(2);
    const auto tracks = header.bigEndian(2);
    const auto division = header.bigEndian(2);
    if (!format || *format > 2 || !tracks || *tracks == 0 || !division || *division == 0) return false;
    if (*format == 0 && *tracks != 1) return false;

    std::uint32_t tracksSeen = 0;
    while (tracksSeen < *tracks) {
        if (file.left() < ChunkHeaderBytes) return false;
        const bool isTrack = chunkNamed(file, "MTrk");
        const auto length = file.bigEndian(4);
        if (!length || *length > file.left()) return false;
        const auto chunk = file.take(*length);
        // Chunks of other kinds are for other programs; players skip them.
        if (!isTrack) continue;
        if (!isPlayableTrack(chunk)) return false;
        ++tracksSeen;
    }
    return true;
}

}  // namespace orbo
