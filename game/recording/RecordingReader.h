// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <istream>
#include <string>
#include <vector>

#include "game/recording/Deflater.h"
#include "game/recording/Records.h"

namespace orbo::recording {

// Why a recording gave no more records.
struct ReadEnd {
    enum class Kind {
        Closed,         // its closing record: the program ended it
        Cut,            // the file ends early: the program was stopped, or the file cut short
        Damaged,        // bytes no writer writes: damaged, edited or oversized
        NotARecording,  // no recording's first line
        Newer,          // made by a newer program
    };
    Kind kind = Kind::Closed;
    // The byte where it goes wrong: the start of the first block not read.
    std::uint64_t byte = 0;
    // What went wrong, in English, for developers.
    std::string what;
};

// Reads a recording record by record as it goes: never more than one block in
// memory, and no input whatever can make it crash, hang or hold more than a
// few megabytes.
class RecordingReader {
public:
    explicit RecordingReader(std::istream& in);

    // The next record; false once there is none, and end() says why.
    bool next(Record& record);
    const ReadEnd& end() const { return end_; }
    bool ended() const { return ended_; }

private:
    enum class Plain { None, Ticks, Keys, Flip };

    void readHeader();
    bool readBlock();
    bool parse(Record& record);
    bool parseTick(Record& record);
    bool parseTimeOfDay(Record& record);
    bool parseSeed(Record& record);
    bool parseBegin(Record& record);
    bool parseKeys(Record& record, std::uint8_t tag);
    bool parseLevel(Record& record, bool again);
    bool expandPlain(Record& record);
    bool stop(ReadEnd::Kind kind, std::uint64_t byte, std::string what);
    bool damaged(const std::string& what) { return stop(ReadEnd::Kind::Damaged, blockStart_, what); }

    bool byte(std::uint8_t& value);
    bool number(std::uint64_t& value, std::uint64_t largest);
    bool flag(bool& value);
    bool text(std::string& value);

    std::istream& in_;
    Inflater inflater_;
    std::uint64_t offset_ = 0;      // bytes of the file read so far
    std::uint64_t blockStart_ = 0;  // where the block being read starts
    std::string block_;
    std::size_t at_ = 0;
    bool ended_ = false;
    ReadEnd end_;

    std::uint32_t lastTick_ = 0;
    std::uint64_t ticksLeft_ = 0;
    Plain plain_ = Plain::None;
    KeyState lastKeys_{};
    std::vector<LevelRows> levels_;
};

}  // namespace orbo::recording
