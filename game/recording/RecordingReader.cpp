// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/recording/RecordingReader.h"

#include <zlib.h>

#include <bit>

#include "game/recording/Encoding.h"

namespace orbo::recording {

using namespace encoding;

namespace {

// The first line is short; anything longer is no recording.
constexpr std::size_t LongestHeader = 64;
constexpr std::uint64_t LargestSpeed = 1000;
constexpr std::uint64_t LargestLevel = 1000000;
constexpr std::uint64_t LargestCode = 9;

std::uint32_t wordAt(const char* bytes) {
    std::uint32_t word = 0;
    for (int i = 3; i >= 0; --i) word = (word << 8) | static_cast<unsigned char>(bytes[i]);
    return word;
}

}  // namespace

RecordingReader::RecordingReader(std::istream& in) : in_(in) { readHeader(); }

bool RecordingReader::stop(ReadEnd::Kind kind, std::uint64_t byte, std::string what) {
    ended_ = true;
    end_ = {kind, byte, std::move(what)};
    return false;
}

void RecordingReader::readHeader() {
    std::string line;
    char c = 0;
    while (line.size() < LongestHeader && in_.get(c) && c != '\n') line += c;
    offset_ = line.size() + (c == '\n' ? 1 : 0);
    blockStart_ = offset_;
    const std::string_view start = HeaderStart;
    const bool digitsOnly =
        line.size() > start.size() && line.find_first_not_of("0123456789", start.size()) == std::string::npos;
    if (c != '\n' && in_.eof() && (start.starts_with(line) || (line.starts_with(start) && digitsOnly))) {
        stop(ReadEnd::Kind::Cut, 0, "cut short inside its first line");
        return;
    }
    if (!line.starts_with(start) || c != '\n') {
        stop(ReadEnd::Kind::NotARecording, 0,
             "not an orbo recording: its first line is not '" + std::string(start) + std::to_string(FormatVersion) +
                 "'");
        return;
    }
    const std::string version = line.substr(start.size());
    if (version.empty() || version.size() > 9 || version.find_first_not_of("0123456789") != std::string::npos ||
        std::stoi(version) == 0) {
        stop(ReadEnd::Kind::NotARecording, 0, "line 1: '" + version + "' is no format number");
        return;
    }
    if (std::stoi(version) > FormatVersion)
        stop(ReadEnd::Kind::Newer, 0,
             "line 1: recording format " + version + " is newer than this program reads (" +
                 std::to_string(FormatVersion) + ")");
}

bool RecordingReader::readBlock() {
    blockStart_ = offset_;
    char head[BlockHeaderBytes];
    in_.read(head, BlockHeaderBytes);
    const auto got = static_cast<std::size_t>(in_.gcount());
    if (got == 0) return stop(ReadEnd::Kind::Cut, offset_, "ends without its closing record");
    if (got < BlockHeaderBytes) return stop(ReadEnd::Kind::Cut, blockStart_, "cut short inside a block");
    const std::uint32_t length = wordAt(head);
    const std::uint32_t checksum = wordAt(head + 4);
    if (length == 0 || length > MaxBlockBytes)
        return damaged("a block of " + std::to_string(length) + " bytes, which no recording writes");
    std::string packed(length, '\0');
    in_.read(packed.data(), length);
    if (static_cast<std::size_t>(in_.gcount()) < length)
        return stop(ReadEnd::Kind::Cut, blockStart_, "cut short inside a block");
    offset_ += BlockHeaderBytes + length;
    if (crc32(0, reinterpret_cast<const Bytef*>(packed.data()), length) != checksum)
        return damaged("the block's checksum does not match its bytes");
    if (!inflater_.expand(packed, MaxUnpackedBlockBytes, block_))
        return damaged("the block cannot be unpacked, or unpacks to more than " +
                       std::to_string(MaxUnpackedBlockBytes) + " bytes");
    at_ = 0;
    return true;
}

bool RecordingReader::next(Record& record) {
    if (ended_) return false;
    if (plain_ != Plain::None) return expandPlain(record);
    if (ticksLeft_ > 0) {
        --ticksLeft_;
        record.kind = RecordKind::Tick;
        record.number = lastTick_;
        return true;
    }
    while (at_ >= block_.size())
        if (!readBlock()) return false;
    return parse(record);
}

bool RecordingReader::expandPlain(Record& record) {
    record.ok = true;
    if (plain_ == Plain::Ticks) {
        record.kind = RecordKind::Tick;
        record.number = lastTick_;
        if (--ticksLeft_ == 0) plain_ = Plain::Keys;
    } else if (plain_ == Plain::Keys) {
        record.kind = RecordKind::Keys;
        record.keys = lastKeys_;
        plain_ = Plain::Flip;
    } else {
        record.kind = RecordKind::Flip;
        record.text.clear();
        plain_ = Plain::None;
    }
    return true;
}

bool RecordingReader::byte(std::uint8_t& value) {
    if (at_ >= block_.size()) return damaged("a record runs past the end of its block");
    value = static_cast<std::uint8_t>(block_[at_++]);
    return true;
}

bool RecordingReader::number(std::uint64_t& value, std::uint64_t largest) {
    value = 0;
    for (int shift = 0; shift < 64; shift += 7) {
        std::uint8_t part = 0;
        if (!byte(part)) return false;
        value |= static_cast<std::uint64_t>(part & 0x7F) << shift;
        if ((part & 0x80) == 0) {
            if (value > largest) return damaged("the number " + std::to_string(value) + " is out of range");
            return true;
        }
    }
    return damaged("a number longer than any recording writes");
}

bool RecordingReader::flag(bool& value) {
    std::uint8_t part = 0;
    if (!byte(part)) return false;
    if (part > 1) return damaged("a yes-or-no field holds " + std::to_string(part));
    value = part == 1;
    return true;
}

bool RecordingReader::text(std::string& value) {
    std::uint64_t length = 0;
    if (!number(length, MaxTextBytes)) return false;
    if (length > block_.size() - at_) return damaged("a text runs past the end of its block");
    value.assign(block_, at_, length);
    at_ += length;
    return true;
}

bool RecordingReader::parse(Record& record) {
    std::uint8_t tag = 0;
    std::uint64_t value = 0;
    if (!byte(tag)) return false;
    record.ok = true;
    if (tag & PlainPassBit) {
        lastTick_ += tag & PlainPassLargestChange;
        ticksLeft_ = PlainPassFewest + ((tag >> 5) & 3);
        plain_ = Plain::Ticks;
        record.kind = RecordKind::Pump;
        record.events = {};
        return true;
    }
    switch (tag) {
        case BeginTag: return parseBegin(record);
        case EndTag: record.kind = RecordKind::End; return text(record.text);
        case CloseTag:
            record.kind = RecordKind::Close;
            ended_ = true;
            end_ = {ReadEnd::Kind::Closed, blockStart_, "closed"};
            return true;
        case TickTag: return parseTick(record);
        case TimeOfDayTag: return parseTimeOfDay(record);
        case SeedTag: return parseSeed(record);
        case KeysSameTag:
        case KeysChangedTag:
        case KeysFailedTag: return parseKeys(record, tag);
        case PumpTag: {
            std::uint8_t flags = 0;
            if (!byte(flags)) return false;
            if (flags > (CloseRequestedFlag | FocusLostFlag)) return damaged("unknown window events");
            record.kind = RecordKind::Pump;
            record.events = {(flags & CloseRequestedFlag) != 0, (flags & FocusLostFlag) != 0};
            return true;
        }
        case SoundOpenTag: record.kind = RecordKind::SoundOpen; return flag(record.ok);
        case PictureTag: record.kind = RecordKind::Picture; return flag(record.ok);
        case DisplayOpenTag:
        case FlipTag:
            record.kind = tag == FlipTag ? RecordKind::Flip : RecordKind::DisplayOpen;
            record.text.clear();
            return flag(record.ok) && (record.ok || text(record.text));
        case LevelCountTag:
            record.kind = RecordKind::LevelCount;
            record.number = 0;
            if (!flag(record.ok) || (record.ok && !number(value, INT32_MAX))) return false;
            record.number = record.ok ? static_cast<std::uint32_t>(value) : 0;
            return true;
        case LevelTag: return parseLevel(record, false);
        case LevelAgainTag: return parseLevel(record, true);
        default: return damaged("unknown record " + std::to_string(tag));
    }
}

bool RecordingReader::parseTick(Record& record) {
    std::uint64_t change = 0;
    std::uint64_t count = 0;
    if (!number(change, UINT32_MAX) || !number(count, MostReadingsInTickRecord)) return false;
    if (count == 0) return damaged("a tick read no times");
    const auto zigzag = static_cast<std::uint32_t>(change);
    lastTick_ += (zigzag >> 1) ^ (0u - (zigzag & 1));
    ticksLeft_ = count - 1;
    record.kind = RecordKind::Tick;
    record.number = lastTick_;
    return true;
}

bool RecordingReader::parseTimeOfDay(Record& record) {
    char bytes[4];
    for (char& part : bytes) {
        std::uint8_t read = 0;
        if (!byte(read)) return false;
        part = static_cast<char>(read);
    }
    record.kind = RecordKind::TimeOfDay;
    record.number = wordAt(bytes);
    return true;
}

bool RecordingReader::parseSeed(Record& record) {
    std::uint8_t kind = 0;
    std::uint64_t seed = 0;
    if (!byte(kind) || !number(seed, UINT32_MAX)) return false;
    if (kind != static_cast<std::uint8_t>(DrawKind::Spaced24) &&
        kind != static_cast<std::uint8_t>(DrawKind::StandardUniform))
        return damaged("unknown kind of random draws " + std::to_string(kind));
    record.kind = RecordKind::Seed;
    record.seed = {static_cast<DrawKind>(kind), static_cast<std::uint32_t>(seed)};
    return true;
}

bool RecordingReader::parseBegin(Record& record) {
    std::uint8_t kind = 0;
    std::uint8_t flags = 0;
    std::uint64_t speed = 0;
    std::uint64_t level = 0;
    if (!byte(kind) || !byte(flags) || !number(speed, LargestSpeed) || !number(level, LargestLevel)) return false;
    std::string file;
    if (!text(file)) return false;
    if (kind < static_cast<std::uint8_t>(SessionBegin::Kind::NewGame) ||
        kind > static_cast<std::uint8_t>(SessionBegin::Kind::LevelFile))
        return damaged("unknown way to begin a session " + std::to_string(kind));
    if (flags > (SoundFlag | MusicFlag | SmartCopsFlag)) return damaged("unknown options");
    record.kind = RecordKind::Begin;
    SessionBegin& begin = record.begin;
    begin.kind = static_cast<SessionBegin::Kind>(kind);
    begin.settings = {(flags & SoundFlag) != 0, (flags & MusicFlag) != 0, (flags & SmartCopsFlag) != 0,
                      static_cast<std::int32_t>(speed)};
    begin.level = static_cast<std::int32_t>(level);
    begin.levelFile = file;
    return true;
}

bool RecordingReader::parseKeys(Record& record, std::uint8_t tag) {
    record.kind = RecordKind::Keys;
    record.ok = tag != KeysFailedTag;
    if (tag == KeysChangedTag) {
        std::uint64_t count = 0;
        if (!number(count, lastKeys_.size())) return false;
        if (count == 0) return damaged("a change of no keys");
        for (std::uint64_t i = 0; i < count; ++i) {
            std::uint8_t key = 0;
            std::uint8_t state = 0;
            if (!byte(key) || !byte(state)) return false;
            lastKeys_[key] = state;
        }
    }
    record.keys = lastKeys_;
    return true;
}

bool RecordingReader::parseLevel(Record& record, bool again) {
    record.kind = RecordKind::Level;
    if (!text(record.text)) return false;
    if (again) {
        std::uint64_t index = 0;
        if (!number(index, UINT32_MAX)) return false;
        if (index >= levels_.size()) return damaged("the same level again as one never recorded");
        record.ok = true;
        record.rows = levels_[index];
        return true;
    }
    if (!flag(record.ok)) return false;
    if (!record.ok) return true;
    for (LevelRow& row : record.rows) {
        for (std::int32_t& code : row) {
            std::uint8_t cell = 0;
            if (!byte(cell)) return false;
            if (cell > LargestCode) return damaged("a level cell holds code " + std::to_string(cell));
            code = cell;
        }
    }
    if (levels_.size() < MaxRememberedLevels) levels_.push_back(record.rows);
    return true;
}

}  // namespace orbo::recording
