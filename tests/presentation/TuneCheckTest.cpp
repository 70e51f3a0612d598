// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/ProgramFiles.h"
#include "common/formats/TuneCheck.h"
#include "tests/assets/AssetFiles.h"

namespace orbo {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(std::string_view text) { return Bytes(text.begin(), text.end()); }

// The tune as the build made it for the game.
Bytes gamesTune() { return assets_test::readBytes(assets_test::resolved(program_files::tuneFile())); }

// A chunk: its name, its length in four bytes, most significant first, and its body.
Bytes chunk(std::string_view name, const Bytes& body) {
    Bytes bytes = bytesOf(name);
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<std::uint8_t>(body.size() >> shift));
    bytes.insert(bytes.end(), body.begin(), body.end());
    return bytes;
}

struct Header {
    std::uint8_t format = 1;
    std::uint8_t tracks = 1;
    std::uint8_t division = 96;
};

Bytes tune(const Header& header, const std::vector<Bytes>& chunks) {
    Bytes bytes = chunk("MThd", {0, header.format, 0, header.tracks, 0, header.division});
    for (const Bytes& part : chunks) bytes.insert(bytes.end(), part.begin(), part.end());
    return bytes;
}

// Piano, one C held for a beat with the release in running status, then the end.
const Bytes NoteTrack = {0x00, 0xC0, 0x00, 0x00, 0x90, 0x3C, 0x40, 0x60, 0x3C, 0x00, 0x00, 0xFF, 0x2F, 0x00};
const Bytes EndOnly = {0x00, 0xFF, 0x2F, 0x00};

TEST(TuneCheck, TheGamesOwnTuneAndWellFormedTunesPass) {
    EXPECT_TRUE(isPlayableTune(gamesTune()));
    EXPECT_TRUE(isPlayableTune(tune({.format = 0}, {chunk("MTrk", NoteTrack)})));
    const Bytes withExtras = {0x00, 0xF0, 0x02, 0x7E, 0xF7, 0x00, 0xFF, 0x03, 0x02, 'O', 'r', 0x00, 0xFF, 0x2F, 0x00};
    EXPECT_TRUE(isPlayableTune(
        tune({.tracks = 2}, {chunk("MTrk", withExtras), chunk("XTRA", {1, 2, 3}), chunk("MTrk", NoteTrack)})))
        << "system exclusive and text events, and a chunk of another kind between the tracks";
}

TEST(TuneCheck, EveryCutOfTheGamesTuneIsRefused) {
    const Bytes whole = gamesTune();
    for (std::size_t length = 0; length < whole.size(); ++length)
        ASSERT_FALSE(isPlayableTune({whole.data(), length})) << "cut after " << length << " bytes";
}

TEST(TuneCheck, ForeignAndDamagedFilesAreRefused) {
    const auto note = chunk("MTrk", NoteTrack);
    Bytes longHeader = tune({}, {note});
    longHeader[7] = 200;  // the header claims more bytes than the file has
    Bytes overlong = chunk("MTrk", NoteTrack);
    overlong[7] = static_cast<std::uint8_t>(NoteTrack.size() + 1);
    Bytes huge = tune({}, {note});
    huge.resize(LargestTuneBytes + 1);

    const std::pair<const char*, Bytes> cases[] = {
        {"plain text", bytesOf("this is not a tune at all")},
        {"a wave file", bytesOf("RIFF\x24\0\0\0WAVEfmt ")},
        {"header cut to five bytes", bytesOf(std::string("MThd\0\0\0\5\0\1\0\1\0", 13))},
        {"header longer than the file", longHeader},
        {"no tracks", tune({.tracks = 0}, {})},
        {"format 0 with two tracks", tune({.format = 0, .tracks = 2}, {note, note})},
        {"unknown format", tune({.format = 3}, {note})},
        {"no time division", tune({.division = 0}, {note})},
        {"a declared track missing", tune({.tracks = 2}, {note})},
        {"track longer than the file", tune({}, {overlong})},
        {"no end of track", tune({}, {chunk("MTrk", {0x00, 0x90, 0x3C, 0x40})})},
        {"events after the end", tune({}, {chunk("MTrk", {0x00, 0xFF, 0x2F, 0x00, 0x00, 0x90, 0x3C, 0x40})})},
        {"a data byte before any status", tune({}, {chunk("MTrk", {0x00, 0x3C, 0x40, 0x00, 0xFF, 0x2F, 0x00})})},
        {"a note cut short by the end of its track", tune({}, {chunk("MTrk", {0x00, 0x90, 0x3C})})},
        {"a status byte where data belongs",
         tune({}, {chunk("MTrk", {0x00, 0x90, 0x3C, 0x90, 0x00, 0xFF, 0x2F, 0x00})})},
        {"a delta time of five bytes", tune({}, {chunk("MTrk", {0x81, 0x81, 0x81, 0x81, 0x01, 0xFF, 0x2F, 0x00})})},
        {"a text event longer than its track",
         tune({}, {chunk("MTrk", {0x00, 0xFF, 0x01, 0x7F, 'a', 0x00, 0xFF, 0x2F, 0x00})})},
        {"a real-time message", tune({}, {chunk("MTrk", {0x00, 0xF8, 0x00, 0xFF, 0x2F, 0x00})})},
        {"larger than any tune", huge},
    };
    for (const auto& [what, bytes] : cases) EXPECT_FALSE(isPlayableTune(bytes)) << what;
    EXPECT_TRUE(isPlayableTune(tune({}, {chunk("MTrk", EndOnly)})))
        << "the cases differ from a good tune only in their fault";
}

}  // namespace
}  // namespace orbo
