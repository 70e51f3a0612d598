#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "game/presentation/Music.h"
#include "tests/assets/AssetFiles.h"

namespace orbo {
namespace {

struct TrackEvent {
    std::uint32_t tick;
    int status;  // 0xFF for meta events
    int a;       // meta type or first data byte
    int b;
    std::vector<unsigned char> data;  // meta payload
};

struct Midi {
    int format = -1;
    int division = 0;
    std::vector<std::vector<TrackEvent>> tracks;
};

// A standard MIDI file reader: header, then track chunks of delta-timed events
// with running status, meta and system-exclusive events.
class Reader {
public:
    explicit Reader(std::vector<unsigned char> bytes) : b_(std::move(bytes)) {}

    Midi read() {
        Midi midi;
        if (!expect("MThd") || u(4) != 6) return midi;
        midi.format = static_cast<int>(u(2));
        const auto tracks = u(2);
        midi.division = static_cast<int>(u(2));
        for (std::uint32_t t = 0; t < tracks && ok_; ++t) {
            if (!expect("MTrk")) break;
            const std::uint32_t length = u(4);
            const std::size_t end = at_ + length;
            if (end > b_.size()) return fail(midi);
            std::vector<TrackEvent> events;
            std::uint32_t tick = 0;
            int running = 0;
            bool ended = false;
            while (at_ < end && ok_ && !ended) {
                tick += varLen();
                int status = byte();
                if (status < 0x80) {
                    if (running == 0) return fail(midi);
                    --at_;
                    status = running;
                }
                if (status == 0xFF) {
                    const int type = byte();
                    const std::uint32_t length = varLen();
                    if (at_ + length > end) return fail(midi);
                    events.push_back({tick, 0xFF, type, 0, {b_.begin() + static_cast<long>(at_), b_.begin() + static_cast<long>(at_ + length)}});
                    at_ += length;
                    ended = type == 0x2F;
                } else if (status == 0xF0 || status == 0xF7) {
                    at_ += varLen();
                } else {
                    running = status;
                    const int a = byte();
                    const int kind = status & 0xF0;
                    const int second = (kind == 0xC0 || kind == 0xD0) ? 0 : byte();
                    events.push_back({tick, status, a, second, {}});
                }
            }
            EXPECT_TRUE(ended) << "track " << t << " has no end event";
            EXPECT_EQ(at_, end) << "track " << t;
            at_ = end;
            midi.tracks.push_back(std::move(events));
        }
        EXPECT_TRUE(ok_);
        return midi;
    }

private:
    Midi fail(Midi midi) {
        ok_ = false;
        ADD_FAILURE() << "malformed MIDI at byte " << at_;
        return midi;
    }
    int byte() {
        if (at_ >= b_.size()) {
            ok_ = false;
            return 0;
        }
        return b_[at_++];
    }
    std::uint32_t u(int size) {
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) value = value << 8 | static_cast<std::uint32_t>(byte());
        return value;
    }
    std::uint32_t varLen() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const int c = byte();
            value = value << 7 | (c & 0x7F);
            if (!(c & 0x80)) return value;
        }
        ok_ = false;
        return value;
    }
    bool expect(const char* id) {
        for (int i = 0; i < 4; ++i)
            if (byte() != id[i]) {
                ADD_FAILURE() << "expected chunk " << id;
                return ok_ = false;
            }
        return true;
    }

    std::vector<unsigned char> b_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

Midi tune() { return Reader(assets_test::readBytes(assets_test::resolved(TuneFile))).read(); }

// Seconds at a tick, following every tempo change of the file.
double secondsAt(const Midi& midi, std::uint32_t tick) {
    std::map<std::uint32_t, std::uint32_t> tempo{{0, 500000}};
    for (const auto& track : midi.tracks)
        for (const TrackEvent& e : track)
            if (e.status == 0xFF && e.a == 0x51 && e.data.size() == 3)
                tempo[e.tick] = static_cast<std::uint32_t>(e.data[0] << 16 | e.data[1] << 8 | e.data[2]);
    double seconds = 0;
    for (auto it = tempo.begin(); it != tempo.end() && it->first < tick; ++it) {
        const std::uint32_t until = std::next(it) == tempo.end() ? tick : std::min(tick, std::next(it)->first);
        seconds += static_cast<double>(until - it->first) * it->second / 1e6 / midi.division;
    }
    return seconds;
}

TEST(Tune, isAStandardMidiFileOfFormatOneLastingAMinute) {
    const Midi midi = tune();
    EXPECT_EQ(midi.format, 1);
    ASSERT_GT(midi.division, 0);
    ASSERT_GE(midi.tracks.size(), 4u);
    std::uint32_t last = 0;
    for (const auto& track : midi.tracks)
        if (!track.empty()) last = std::max(last, track.back().tick);
    EXPECT_GE(secondsAt(midi, last), 60.0);
}

TEST(Tune, hasMelodyBassAndDrumsOnChannelTen) {
    const Midi midi = tune();
    std::set<int> channelsPlaying;
    std::map<int, int> programs;  // channel -> program
    for (const auto& track : midi.tracks)
        for (const TrackEvent& e : track) {
            if ((e.status & 0xF0) == 0x90 && e.b > 0) channelsPlaying.insert(e.status & 0x0F);
            if ((e.status & 0xF0) == 0xC0) programs[e.status & 0x0F] = e.a;
        }
    EXPECT_TRUE(channelsPlaying.count(9)) << "no drums on channel 10";
    int bass = 0, melodic = 0;
    for (const int channel : channelsPlaying) {
        if (channel == 9) continue;
        ASSERT_TRUE(programs.count(channel)) << "channel " << channel + 1 << " plays without a program";
        const int program = programs[channel];
        (program >= 32 && program <= 39 ? bass : melodic) += 1;
    }
    EXPECT_GE(bass, 1);
    EXPECT_GE(melodic, 1);
}

// Every note ends before the tune does, so restarting it leaves nothing hanging,
// and the music starts on the first beat, so the restart has no gap.
TEST(Tune, loopsWithoutHangingNotesOrALeadIn) {
    const Midi midi = tune();
    std::uint32_t end = 0;
    std::uint32_t firstNote = UINT32_MAX;
    for (const auto& track : midi.tracks) {
        std::map<std::pair<int, int>, int> sounding;
        for (const TrackEvent& e : track) {
            const int kind = e.status & 0xF0;
            const std::pair<int, int> key{e.status & 0x0F, e.a};
            if (kind == 0x90 && e.b > 0) {
                ++sounding[key];
                firstNote = std::min(firstNote, e.tick);
            } else if (kind == 0x80 || (kind == 0x90 && e.b == 0)) {
                --sounding[key];
            }
            if (e.status == 0xFF && e.a == 0x2F) end = std::max(end, e.tick);
        }
        for (const auto& [note, count] : sounding) EXPECT_EQ(count, 0) << "note " << note.second << " left sounding";
    }
    EXPECT_EQ(firstNote, 0u);
    // The tune ends on a bar line of 4/4.
    EXPECT_EQ(end % static_cast<std::uint32_t>(4 * midi.division), 0u);
}

}  // namespace
}  // namespace orbo
