// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/assetgen/Tune.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orbo::assetgen {
namespace {

// "Snowman's Night Run": A minor, 120 beats a minute, 32 bars of 4/4 (64 s).
// The last bar sits on the dominant and runs straight back into the first, so
// the tune loops without a seam.
constexpr int Ticks = 480;  // per quarter note
constexpr int Eighth = Ticks / 2;
constexpr int Bar = 4 * Ticks;
constexpr int Bars = 32;
constexpr int MicrosecondsPerQuarter = 500000;

// General MIDI programs (counted from 0) and channels (counted from 0; 9 is drums).
constexpr int Flute = 73;
constexpr int Celesta = 8;
constexpr int Strings = 48;
constexpr int FingerBass = 33;
constexpr int DrumChannel = 9;

// Drum keys.
constexpr int Kick = 36;
constexpr int Snare = 38;
constexpr int ClosedHat = 42;
constexpr int OpenHat = 46;
constexpr int Crash = 49;
constexpr int Tambourine = 54;
constexpr int LowTom = 45;
constexpr int MidTom = 47;
constexpr int HighTom = 50;

// One chord a bar.
constexpr std::array<std::string_view, Bars> Chords = {
    "Am", "F", "C", "G", "Am", "F", "E",  "E",   // A
    "Am", "F", "C", "G", "F",  "G", "Am", "Am",  // A'
    "Dm", "G", "C", "F", "Dm", "E", "Am", "E",   // B
    "Am", "F", "C", "G", "Am", "F", "E",  "E",   // A''
};

// The melody, a bar a line, durations in eighths.
constexpr std::array<std::string_view, Bars> Melody = {
    "E5:2 A5:2 G5:1 E5:1 C5:2",
    "D5:1 C5:1 A4:2 C5:2 F5:2",
    "E5:3 D5:1 C5:2 E5:2",
    "D5:4 B4:2 G4:2",
    "E5:2 A5:2 B5:1 C6:1 B5:2",
    "A5:2 F5:2 C5:2 F5:2",
    "E5:2 G#5:2 B5:2 D6:2",
    "C6:1 B5:1 A5:1 G#5:1 B5:4",

    "E5:2 A5:2 G5:1 E5:1 C5:2",
    "D5:1 C5:1 A4:2 C5:2 F5:2",
    "G5:3 F5:1 E5:2 G5:2",
    "D5:2 G5:2 B5:2 D6:2",
    "C6:3 A5:1 F5:2 A5:2",
    "B5:3 G5:1 D5:2 B5:2",
    "A5:2 E5:2 C5:2 E5:2",
    "A5:6 r:2",

    "F5:1 A5:2 F5:1 D5:2 F5:2",
    "G5:1 B5:2 G5:1 D5:2 B4:2",
    "C5:1 E5:2 G5:1 C6:2 B5:1 A5:1",
    "A5:3 G5:1 F5:2 E5:2",
    "D5:1 F5:2 A5:1 D6:2 C6:2",
    "B5:2 G#5:2 E5:2 B4:2",
    "C5:1 E5:1 A5:2 G#5:1 A5:1 B5:2",
    "G#5:4 E5:4",

    "E5:2 A5:2 G5:1 E5:1 C5:2",
    "D5:1 C5:1 A4:2 C5:2 F5:2",
    "E5:3 D5:1 C5:2 G5:2",
    "B5:4 A5:2 G5:2",
    "A5:2 C6:2 B5:1 A5:1 E5:2",
    "F5:2 A5:2 C6:2 A5:2",
    "G#5:2 B5:2 E6:2 D6:2",
    "B5:2 G#5:2 E5:2 D5:1 B4:1",
};

struct Note {
    int key;
    int start;
    int length;
    int velocity;
};

struct Part {
    std::string name;
    int channel;
    int program;  // -1: drums, no program
    int volume;
    int pan;
    std::vector<Note> notes;
};

int noteNumber(std::string_view name) {
    static constexpr std::array<int, 7> Semitones = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    if (name.empty() || name[0] < 'A' || name[0] > 'G') throw std::logic_error("bad note " + std::string(name));
    int key = Semitones[static_cast<std::size_t>(name[0] - 'A')];
    std::size_t i = 1;
    if (i < name.size() && name[i] == '#')
        ++key, ++i;
    else if (i < name.size() && name[i] == 'b')
        --key, ++i;
    const int octave = std::stoi(std::string(name.substr(i)));
    return 12 * (octave + 1) + key;
}

// Root in the bass octave (C2 to B2) and the chord's third above it.
struct Chord {
    int root;
    int third;
};

Chord chordOf(std::string_view name) {
    const bool minor = name.size() > 1 && name[1] == 'm';
    return {noteNumber(std::string(1, name[0]) + "2"), minor ? 3 : 4};
}

Part melodyPart() {
    Part part{"Melody", 0, Flute, 100, 64, {}};
    for (int bar = 0; bar < Bars; ++bar) {
        std::istringstream line{std::string(Melody[static_cast<std::size_t>(bar)])};
        std::string item;
        int at = bar * Bar;
        while (line >> item) {
            const auto colon = item.find(':');
            const int length = std::stoi(item.substr(colon + 1)) * Eighth;
            const std::string name = item.substr(0, colon);
            if (name != "r") {
                // Downbeats a little stronger; notes a touch short of their length.
                const int velocity = (at % Ticks == 0) ? 92 : 80;
                part.notes.push_back({noteNumber(name), at, length - 30, velocity});
            }
            at += length;
        }
        if (at != (bar + 1) * Bar)
            throw std::logic_error("melody bar " + std::to_string(bar + 1) + " does not fill the bar");
    }
    return part;
}

Part arpeggioPart() {
    // Twinkling broken chords from the second section on.
    Part part{"Celesta", 1, Celesta, 70, 88, {}};
    for (int bar = 8; bar < Bars; ++bar) {
        const Chord chord = chordOf(Chords[static_cast<std::size_t>(bar)]);
        const int base = chord.root + 24;
        const int steps[] = {0, 7, 12, 12 + chord.third, 19, 12 + chord.third, 12, 7};
        for (int i = 0; i < 8; ++i)
            part.notes.push_back({base + steps[i], bar * Bar + i * Eighth, Eighth - 20, i % 2 == 0 ? 62 : 50});
    }
    return part;
}

Part padPart() {
    Part part{"Strings", 2, Strings, 70, 40, {}};
    for (int bar = 0; bar < Bars; ++bar) {
        const Chord chord = chordOf(Chords[static_cast<std::size_t>(bar)]);
        // Close voicing round middle C.
        for (const int interval : {0, chord.third, 7}) {
            int key = chord.root + 12 + interval;
            while (key < noteNumber("F3")) key += 12;
            part.notes.push_back({key, bar * Bar, Bar - 10, 52});
        }
    }
    return part;
}

Part bassPart() {
    Part part{"Bass", 3, FingerBass, 100, 64, {}};
    for (int bar = 0; bar < Bars; ++bar) {
        const Chord chord = chordOf(Chords[static_cast<std::size_t>(bar)]);
        const int start = bar * Bar;
        const struct { int step, offset, length; } pattern[] = {{0, 0, 3}, {3, 0, 1}, {4, 7, 2}, {6, 12, 1}, {7, 7, 1}};
        for (const auto& hit : pattern)
            part.notes.push_back({chord.root + hit.offset, start + hit.step * Eighth, hit.length * Eighth - 20,
                                  hit.step == 0 ? 100 : 84});
    }
    return part;
}

Part drumPart() {
    Part part{"Drums", DrumChannel, -1, 96, 64, {}};
    const auto hit = [&](int key, int at, int velocity) { part.notes.push_back({key, at, Eighth / 2, velocity}); };
    for (int bar = 0; bar < Bars; ++bar) {
        const int start = bar * Bar;
        const bool sectionStart = bar % 8 == 0;
        const bool fillBar = bar % 8 == 7;
        const bool bridge = bar >= 16 && bar < 24;
        if (sectionStart) hit(Crash, start, 96);
        for (int i = 0; i < 8; ++i) {
            const int at = start + i * Eighth;
            if (fillBar && i >= 6) continue;
            hit(i == 7 && bar % 2 == 1 ? OpenHat : ClosedHat, at, i % 2 == 0 ? 70 : 48);
            if (i == 0 || i == 4 || (bridge && i == 5)) hit(Kick, at, 104);
            if (i == 2 || i == 6) hit(Snare, at, 96);
            // Sleigh bells on the off-beats, for the winter.
            if (bar >= 8 && i % 2 == 1) hit(Tambourine, at, 44);
        }
        if (fillBar) {
            // A tom run into the next section; the last one leads back to the top.
            const int toms[] = {HighTom, MidTom, LowTom, Snare};
            for (int k = 0; k < 4; ++k) hit(toms[k], start + 6 * Eighth + k * Eighth / 2, 84 + 4 * k);
        }
    }
    return part;
}

// --- writing

void putVarLen(std::string& out, std::uint32_t value) {
    std::uint8_t buffer[5];
    int count = 0;
    buffer[count++] = value & 0x7F;
    while ((value >>= 7) != 0) buffer[count++] = static_cast<std::uint8_t>((value & 0x7F) | 0x80);
    while (count > 0) out += static_cast<char>(buffer[--count]);
}

void putBigEndian(std::string& out, std::uint32_t value, int size) {
    for (int i = size - 1; i >= 0; --i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

struct Event {
    int tick;
    int order;  // at the same tick: meta first, then note-offs, then set-up, then note-ons
    std::string bytes;
};

std::string trackChunk(std::vector<Event> events) {
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
    });
    std::string body;
    int last = 0;
    for (const Event& event : events) {
        putVarLen(body, static_cast<std::uint32_t>(event.tick - last));
        body += event.bytes;
        last = event.tick;
    }
    putVarLen(body, static_cast<std::uint32_t>(Bars * Bar - last));
    body += std::string("\xFF\x2F\x00", 3);
    std::string chunk = "MTrk";
    putBigEndian(chunk, static_cast<std::uint32_t>(body.size()), 4);
    return chunk + body;
}

std::string meta(int type, const std::string& data) {
    std::string bytes{'\xFF', static_cast<char>(type)};
    putVarLen(bytes, static_cast<std::uint32_t>(data.size()));
    return bytes + data;
}

std::string channelMessage(int status, int channel, int a, int b) {
    return {static_cast<char>(status | channel), static_cast<char>(a), static_cast<char>(b)};
}

std::string conductorTrack() {
    std::vector<Event> events;
    events.push_back({0, 0, meta(0x03, "Snowman's Night Run")});
    std::string tempo;
    putBigEndian(tempo, MicrosecondsPerQuarter, 3);
    events.push_back({0, 0, meta(0x51, tempo)});
    events.push_back({0, 0, meta(0x58, std::string("\x04\x02\x18\x08", 4))});
    events.push_back({0, 0, meta(0x59, std::string("\x00\x01", 2))});  // A minor
    return trackChunk(std::move(events));
}

std::string partTrack(const Part& part) {
    std::vector<Event> events;
    events.push_back({0, 0, meta(0x03, part.name)});
    if (part.program >= 0)
        events.push_back({0, 2, std::string{static_cast<char>(0xC0 | part.channel), static_cast<char>(part.program)}});
    events.push_back({0, 2, channelMessage(0xB0, part.channel, 7, part.volume)});
    events.push_back({0, 2, channelMessage(0xB0, part.channel, 10, part.pan)});
    events.push_back({0, 2, channelMessage(0xB0, part.channel, 91, 40)});
    for (const Note& note : part.notes) {
        events.push_back({note.start, 3, channelMessage(0x90, part.channel, note.key, note.velocity)});
        events.push_back({note.start + note.length, 1, channelMessage(0x80, part.channel, note.key, 0)});
    }
    return trackChunk(std::move(events));
}

}  // namespace

std::vector<std::uint8_t> composeTune() {
    const Part parts[] = {melodyPart(), arpeggioPart(), padPart(), bassPart(), drumPart()};
    std::string file = "MThd";
    putBigEndian(file, 6, 4);
    putBigEndian(file, 1, 2);  // format 1
    putBigEndian(file, 1 + std::size(parts), 2);
    putBigEndian(file, Ticks, 2);
    file += conductorTrack();
    for (const Part& part : parts) file += partTrack(part);
    return {file.begin(), file.end()};
}

void writeTune(const std::filesystem::path& file) {
    const std::vector<std::uint8_t> bytes = composeTune();
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace orbo::assetgen
