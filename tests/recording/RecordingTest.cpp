// SPDX-License-Identifier: GPL-3.0-or-later
// Recordings made by the headless driver and read back: whole, cut short,
// damaged or refused, and the player's folder of them.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <iterator>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "common/FileSizeLimit.h"
#include "game/core/ScanCodes.h"
#include "game/recording/RecordingFolder.h"
#include "game/replay/Script.h"
#include "game/replay/SessionStart.h"
#include "game/replay/Simulation.h"
#include "tests/common/ChildProcess.h"
#include "tests/support/FakeMachine.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TempDir.h"

namespace orbo {
namespace {

using recording::ReadEnd;
using Outcome = sim::ReplayOutcome::Kind;

// Level 3 won by its shipped script: 937 passes, a block every virtual second.
// Reports are gathered, one a line; `alsoInto` is written as well, where given.
std::string recordedWin(std::string* reports = nullptr, const std::filesystem::path& alsoInto = {}) {
    sim::SimOptions options;
    options.dir = ORBO_BIN_DIR;
    options.level = 3;
    std::ifstream script(ORBO_SOURCE_DIR "/assets/levels/replays/Orbo3.txt");
    std::string bytes;
    recording::Recording recording([reports](const std::string& text) {
        if (reports) *reports += text + "\n";
    });
    recording.keepIn(bytes);
    if (!alsoInto.empty()) recording.writeTo(alsoInto, recording::RecordingFile::Mode::Replace);
    std::ostringstream trace;
    sim::Simulation(options, trace, &recording).run(sim::parseScript(script));
    return bytes;
}

sim::ReplayOutcome replayed(const std::string& bytes) {
    std::istringstream in(bytes);
    recording::RecordingReader reader(in);
    sim::SimOptions options;
    options.dir = ORBO_BIN_DIR;
    std::ostream none(nullptr);
    return sim::Simulation(options, none).replay(reader);
}

ReadEnd readToEnd(const std::string& bytes) {
    std::istringstream in(bytes);
    recording::RecordingReader reader(in);
    for (recording::Record record; reader.next(record);) {}
    return reader.end();
}

TEST(Recording, ReplaysToTheRecordedEndAndUpToAnyCut) {
    const std::string whole = recordedWin();
    const sim::ReplayOutcome full = replayed(whole);
    EXPECT_EQ(full.kind, Outcome::Matched);
    EXPECT_EQ(full.sessions, 1);
    EXPECT_EQ(full.pass, 937);

    int passesBefore = 0;
    for (std::size_t cut = 97; cut < whole.size(); cut += 97) {
        const sim::ReplayOutcome outcome = replayed(whole.substr(0, cut));
        EXPECT_EQ(outcome.kind, Outcome::EndedEarly) << "cut at " << cut;
        EXPECT_EQ(outcome.end.kind, ReadEnd::Kind::Cut) << "cut at " << cut << ": " << outcome.end.what;
        EXPECT_LE(outcome.end.byte, cut);
        EXPECT_GE(outcome.pass, passesBefore) << "cut at " << cut;
        passesBefore = outcome.pass;
    }
    // The last second of play is all a cut loses.
    EXPECT_GE(passesBefore, 937 - 2 * 62);
}

// What no script makes: no sound device, a keyboard that fails, the focus
// lost (a pause) and the close box (the end), recorded and replayed.
TEST(Recording, ReplaysTheMachinesFailuresAndTheWindowsEvents) {
    test::FakeMachine live(ORBO_BIN_DIR);
    live.sound.setAvailable(false);
    std::string bytes;
    recording::Recording recording([](const std::string&) {});
    recording.keepIn(bytes);
    recording::Recorder recorder(live.platform, recording);
    const auto game = std::make_unique<Game>(recorder.platform());
    int pass = 0;
    live.events.onPump = [&] {
        ++pass;
        live.keyboard.setBroken(pass % 7 == 0);
        if (pass == 20) live.keyboard.press({ScanCode::Right});
        if (pass == 80) live.events.pending.focusLost = true;
        if (pass == 120) live.events.pending.closeRequested = true;
    };
    recorder.beginSession({});
    sim::playSessionAs(*game, {});
    recorder.endSession(*game);
    recorder.close();
    ASSERT_TRUE(game->session.quit);

    std::istringstream in(bytes);
    recording::RecordingReader reader(in);
    test::FakeMachine again(ORBO_BIN_DIR);
    recording::Replayer replayer(
        reader, {again.platform.programDir, again.display, again.sound, again.music, again.messages, again.events});
    const auto replayedGame = std::make_unique<Game>(replayer.platform());
    EXPECT_EQ(sim::replayRecording(replayer, *replayedGame).kind, Outcome::Matched);
    EXPECT_EQ(again.messages.shown(), live.messages.shown());
    EXPECT_EQ(replayedGame->units[0].x, game->units[0].x);
}

TEST(Recording, ADiskThatFillsUpIsNamedOnceAndTheRestGoesOn) {
    const TempDir dir;
    const auto file = dir.path() / "full.orbrec";
    // The disk is full once the file holds 500 bytes.
    const ChildOutcome child =
        ChildProcess([&] {
            ignoreFileSizeLimitSignal();
            const rlimit limit{500, 500};
            ::setrlimit(RLIMIT_FSIZE, &limit);
            std::string reports;
            return replayed(recordedWin(&reports, file)).kind == Outcome::Matched ? reports : "the game went otherwise";
        }).finish();
    ASSERT_TRUE(child.exitedNormally);
    EXPECT_EQ(std::count(child.output.begin(), child.output.end(), '\n'), 1) << child.output;
    EXPECT_NE(child.output.find("full.orbrec stopped"), std::string::npos) << child.output;
    std::ifstream in(file, std::ios::binary);
    const std::string kept{std::istreambuf_iterator<char>(in), {}};
    EXPECT_LE(kept.size(), 500U);
    // It ends on a whole block: the part of a block that did not fit is taken back.
    EXPECT_EQ(readToEnd(kept).kind, ReadEnd::Kind::Cut);
    EXPECT_EQ(readToEnd(kept).byte, kept.size());
    EXPECT_EQ(replayed(kept).kind, Outcome::EndedEarly);
}

TEST(Recording, BadFilesAreNamedWithTheByteWhereTheyGoWrong) {
    const std::string whole = recordedWin();
    const std::size_t firstBlock = whole.find('\n') + 1;
    std::string checksumWrong = whole;
    checksumWrong[firstBlock + 20] = static_cast<char>(checksumWrong[firstBlock + 20] ^ 0x55);
    std::string huge = whole;
    huge.replace(firstBlock, 4, "\xff\xff\xff\x7f");
    const struct {
        const char* name;
        std::string bytes;
        ReadEnd::Kind kind;
        std::size_t byte;
        const char* what;
    } cases[] = {
        {"newer", "orbo recording, format 2\n" + whole.substr(firstBlock), ReadEnd::Kind::Newer, 0, "newer"},
        {"a level file", levelText({"5"}), ReadEnd::Kind::NotARecording, 0, "not an orbo recording"},
        {"no format number", "orbo recording, format x\n", ReadEnd::Kind::NotARecording, 0, "no format number"},
        {"cut in its first line", "orbo recording, fo", ReadEnd::Kind::Cut, 0, "first line"},
        {"edited", checksumWrong, ReadEnd::Kind::Damaged, firstBlock, "checksum"},
        {"huge", huge, ReadEnd::Kind::Damaged, firstBlock, "2147483647 bytes"},
        {"header alone", whole.substr(0, firstBlock), ReadEnd::Kind::Cut, firstBlock, "closing record"},
    };
    for (const auto& bad : cases) {
        const ReadEnd end = readToEnd(bad.bytes);
        EXPECT_EQ(end.kind, bad.kind) << bad.name << ": " << end.what;
        EXPECT_EQ(end.byte, bad.byte) << bad.name;
        EXPECT_NE(end.what.find(bad.what), std::string::npos) << bad.name << ": " << end.what;
    }
}

TEST(RecordingFolder, FollowsTheStateFolderAndKeepsTheNewest) {
    ::setenv("XDG_STATE_HOME", "/state", 1);
    EXPECT_EQ(recording::recordingFolder(), std::filesystem::path("/state/orbo/recordings"));
    ::setenv("XDG_STATE_HOME", "relative", 1);
    ::setenv("HOME", "/home/player", 1);
    EXPECT_EQ(recording::recordingFolder(), std::filesystem::path("/home/player/.local/state/orbo/recordings"));

    const TempDir dir;
    const auto folder = dir.path() / "state" / "orbo";
    ASSERT_EQ(recording::makeRecordingFolder(folder), std::nullopt);
    std::tm began{};
    began.tm_year = 126;
    began.tm_mday = 1;
    for (int minute = 0; minute < 53; ++minute) {
        began.tm_min = minute;
        writeFile(folder / recording::recordingName(began, "Orbo1"), "");
    }
    writeFile(folder / "notes.txt", "");
    recording::keepNewestRecordings(folder, 50);
    EXPECT_FALSE(std::filesystem::exists(folder / "2026-01-01_00-02-00_Orbo1.orbrec"));
    EXPECT_TRUE(std::filesystem::exists(folder / "2026-01-01_00-03-00_Orbo1.orbrec"));
    EXPECT_TRUE(std::filesystem::exists(folder / "notes.txt"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 51);

    writeFile(dir.path() / "file", "");
    EXPECT_NE(recording::makeRecordingFolder(dir.path() / "file" / "orbo"), std::nullopt);
}

}  // namespace
}  // namespace orbo
