// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/frontend/ReplayOnScreen.h"

#include <chrono>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <numeric>
#include <sstream>
#include <thread>
#include <vector>

#include "common/FileRead.h"
#include "common/Paths.h"
#include "game/core/Level.h"
#include "game/presentation/Pictures.h"
#include "game/recording/RecordedLevels.h"
#include "game/recording/Records.h"
#include "game/recording/Replayer.h"
#include "game/replay/RecordingReplay.h"
#include "game/replay/ScriptRecording.h"
#include "game/replay/SimArguments.h"

namespace orbo {
namespace {

constexpr std::size_t LargestScriptBytes = std::size_t{1} << 20;
// An hour at sixty passes a second: longer scripts are not shown.
constexpr long long LongestScriptPasses = 216000;
constexpr auto LastFrameShown = std::chrono::seconds(3);
constexpr auto KeyLook = std::chrono::milliseconds(10);
constexpr int CannotReplay = 1;

// The file, named for the player, with what went wrong in English for a report.
void tell(Platform& real, const std::string& text, const std::filesystem::path& file, const std::string& detail) {
    std::cerr << "orbo: " << displayPath(file) << ": " << detail << '\n';
    real.messages.show(text + displayPath(file) + (detail.empty() ? "" : "\n" + detail), MessageIcon::Critical);
}

bool isRecording(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string start(recording::HeaderStart.size(), '\0');
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    start.resize(static_cast<std::size_t>(in.gcount()));
    return recording::HeaderStart.starts_with(start);
}

// orbo-sim's options from the script's first line, "# orbo-sim ARGS", on this program's folder.
sim::SimOptions scriptOptions(const std::string& text, const std::filesystem::path& programDir) {
    constexpr std::string_view Header = "# orbo-sim ";
    sim::SimOptions options;
    if (text.starts_with(Header)) {
        std::istringstream words(text.substr(Header.size(), text.find('\n') - Header.size()));
        const std::vector<std::string> given{std::istream_iterator<std::string>(words), {}};
        const std::vector<std::string_view> arguments(given.begin(), given.end());
        options = sim::parseSimArguments(arguments);
    }
    options.dir = programDir;
    options.shot.clear();
    options.record.clear();
    options.replay.clear();
    return options;
}

// The script played headless, as a recording in memory; null when it cannot be played, which has been told.
std::unique_ptr<std::istream> scriptAsRecording(Platform& real, const std::filesystem::path& file) {
    const FileRead read = readRegularFile(file, LargestScriptBytes);
    if (read.error) {
        tell(real, UnreadableFileText, file, read.error.message());
        return nullptr;
    }
    if (!read.whole) {
        tell(real, "Сценарий слишком длинный для показа: ", file, "larger than 1 MiB");
        return nullptr;
    }
    try {
        const sim::SimOptions options = scriptOptions(read.bytes, real.programDir);
        std::istringstream text(read.bytes);
        const auto script = sim::parseScript(text);
        const long long passes =
            std::accumulate(script.begin(), script.end(), 0LL,
                            [](long long sum, const sim::Command& command) { return sum + command.passes; });
        if (passes > LongestScriptPasses) {
            tell(real, "Сценарий слишком длинный для показа: ", file, std::to_string(passes) + " passes");
            return nullptr;
        }
        return std::make_unique<std::istringstream>(sim::recordScript(script, options));
    } catch (const sim::UsageError& error) {
        tell(real, "Это не запись игры и не сценарий: ", file, "line 1: " + error.message);
    } catch (const sim::ScriptError& error) {
        tell(real, "Это не запись игры и не сценарий: ", file, error.what());
    } catch (const sim::HelpWanted&) {
        tell(real, "Это не запись игры и не сценарий: ", file, "line 1: --help");
    }
    return nullptr;
}

// The recording to replay; null when there is none, which has been told.
std::unique_ptr<std::istream> openReplay(Platform& real, const std::filesystem::path& file) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        tell(real, FileNotFoundText, file, "no such file");
        return nullptr;
    }
    if (!isRecording(file)) return scriptAsRecording(real, file);
    auto in = std::make_unique<std::ifstream>(file, std::ios::binary);
    if (!*in) {
        tell(real, UnreadableFileText, file, "cannot be opened");
        return nullptr;
    }
    std::ifstream levels(file, std::ios::binary);
    if (!recording::madeOnTheseLevels(levels, real.programDir)) {
        std::cerr << "orbo: " << displayPath(file) << ": recorded on other levels; replayed on those it holds\n";
        real.messages.show("Эта запись сделана на других этажах, чем лежат в папке игры: показаны этажи из записи.\n" +
                               displayPath(file),
                           MessageIcon::None);
    }
    return in;
}

void closeScreenNow(Platform& real) {
    real.music.stop();
    real.display.close();
    real.sound.close();
    real.display.showPointer(true);
}

// A replay that stopped inside a session left its screen open: its last frame
// stays a moment, or until a key, and then the screen closes.
void closeScreen(sdl::RealPlatform& machine, bool holdLastFrame) {
    if (!machine.screen().window()) return;
    Platform& real = machine.platform();
    const auto until = std::chrono::steady_clock::now() + LastFrameShown;
    KeyState before{};
    real.keyboard.readState(before);
    while (holdLastFrame && std::chrono::steady_clock::now() < until) {
        if (real.events.pumpMessages().closeRequested) break;
        KeyState keys{};
        if (!real.keyboard.readState(keys)) keys = before;
        for (std::size_t key = 0; key < keys.size(); ++key)
            if (keys[key] != 0 && before[key] == 0) return closeScreenNow(real);
        before = keys;
        std::this_thread::sleep_for(KeyLook);
    }
    closeScreenNow(real);
}

int report(Platform& real, const std::filesystem::path& file, const sim::ReplayOutcome& outcome) {
    using Kind = sim::ReplayOutcome::Kind;
    const std::string where = "session " + std::to_string(outcome.session) + ", pass " + std::to_string(outcome.pass);
    switch (outcome.kind) {
        case Kind::Matched:
            std::cerr << "orbo: " << displayPath(file) << ": every session ended as recorded (" << outcome.sessions
                      << ")\n";
            return 0;
        case Kind::Stopped: return 0;
        case Kind::EndedEarly:
            tell(real,
                 outcome.end.kind == recording::ReadEnd::Kind::Cut ? "Запись обрывается, показано всё до обрыва: "
                                                                   : "Запись повреждена, показано всё до повреждения: ",
                 file, "byte " + std::to_string(outcome.end.byte) + ": " + outcome.end.what + " (" + where + ")");
            return 0;
        case Kind::Differed:
            tell(real, "Повтор закончился не так, как игра в записи: ", file,
                 "recorded " + outcome.recordedEnd + "\nreplayed " + outcome.replayedEnd);
            return CannotReplay;
        case Kind::Failed: tell(real, "Повтор разошёлся с записью: ", file, where + ": " + outcome.failure); break;
    }
    return CannotReplay;
}

}  // namespace

int replayOnScreen(sdl::RealPlatform& machine, const std::filesystem::path& file) {
    Platform& real = machine.platform();
    const auto source = openReplay(real, file);
    if (!source) return CannotReplay;
    recording::RecordingReader reader(*source);
    using End = recording::ReadEnd::Kind;
    if (reader.ended() && (reader.end().kind == End::NotARecording || reader.end().kind == End::Newer)) {
        tell(real,
             reader.end().kind == End::Newer ? "Запись сделана более новой версией игры: "
                                             : "Это не запись игры и не сценарий: ",
             file, reader.end().what);
        return CannotReplay;
    }
    recording::ReplayScreen screen(real.keyboard);
    recording::Replayer replayer(
        reader, {real.programDir, real.display, real.sound, real.music, real.messages, real.events}, &screen);
    const auto game = std::make_unique<Game>(replayer.platform());
    const sim::ReplayOutcome outcome = sim::replayRecording(replayer, *game);
    closeScreen(machine, outcome.kind != sim::ReplayOutcome::Kind::Stopped);
    return report(real, file, outcome);
}

}  // namespace orbo
