// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/replay/Script.h"

#include <array>
#include <charconv>
#include <sstream>
#include <utility>

#include "game/core/ScanCodes.h"

namespace orbo::sim {
namespace {

constexpr std::array<std::pair<const char*, int>, 12> KeyNames = {{
    {"Esc", ScanCode::Escape},
    {"Equals", ScanCode::Equals},
    {"Q", ScanCode::Q},
    {"W", ScanCode::W},
    {"R", ScanCode::R},
    {"P", ScanCode::P},
    {"F", ScanCode::F},
    {"F1", ScanCode::F1},
    {"Up", ScanCode::Up},
    {"Left", ScanCode::Left},
    {"Right", ScanCode::Right},
    {"Down", ScanCode::Down},
}};

std::optional<int> parseNumber(const std::string& text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) return std::nullopt;
    return value;
}

[[noreturn]] void fail(int line, const std::string& what) {
    throw ScriptError("line " + std::to_string(line) + ": " + what);
}

bool parseFlag(int line, const std::string& key, const std::string& value) {
    const auto flag = parseNumber(value, 0, 1);
    if (!flag) fail(line, key + " must be 0 or 1, not '" + value + "'");
    return *flag == 1;
}

Command parseOptions(int line, std::istringstream& words) {
    Command command;
    command.kind = Command::Kind::Options;
    command.line = line;
    std::string word;
    while (words >> word) {
        const auto equals = word.find('=');
        if (equals == std::string::npos) fail(line, "expected key=value, got '" + word + "'");
        const std::string key = word.substr(0, equals);
        const std::string value = word.substr(equals + 1);
        if (key == "speed") {
            command.speed = parseNumber(value, 1, 7);
            if (!command.speed) fail(line, "speed must be 1 to 7, not '" + value + "'");
        } else if (key == "smart") {
            command.smartCops = parseFlag(line, key, value);
        } else if (key == "sound") {
            command.soundOn = parseFlag(line, key, value);
        } else if (key == "music") {
            command.musicOn = parseFlag(line, key, value);
        } else {
            fail(line, "unknown option '" + key + "'");
        }
    }
    return command;
}

Command parsePasses(int line, const std::string& count, std::istringstream& words) {
    const auto passes = parseNumber(count, 0, 100000000);
    if (!passes) fail(line, "expected new, continue, options or a pass count, got '" + count + "'");
    Command command;
    command.kind = Command::Kind::Passes;
    command.line = line;
    command.passes = *passes;
    std::string name;
    while (words >> name) {
        const auto code = scanCodeOf(name);
        if (!code) fail(line, "unknown key '" + name + "'");
        command.keys.push_back(*code);
    }
    return command;
}

}  // namespace

std::string printable(std::string_view text) {
    constexpr char Digits[] = "0123456789abcdef";
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // U+0080 to U+009F are control characters too: in UTF-8, 0xC2 and then 0x80 to 0x9F.
        const bool c1 = byte == 0xC2 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xE0) == 0x80;
        if (byte >= 0x20 && byte != 0x7F && !c1) {
            shown += text[i];
            continue;
        }
        const int count = c1 ? 2 : 1;
        for (int part = 0; part < count; ++part) {
            const auto escaped = static_cast<unsigned char>(text[i + static_cast<std::size_t>(part)]);
            shown += "\\x";
            shown += Digits[escaped >> 4];
            shown += Digits[escaped & 0xF];
        }
        i += static_cast<std::size_t>(count - 1);
    }
    return shown;
}

std::optional<int> scanCodeOf(const std::string& name) {
    for (const auto& [keyName, code] : KeyNames)
        if (name == keyName) return code;
    return parseNumber(name, 0, 255);
}

std::vector<Command> parseScript(std::istream& in) {
    std::vector<Command> commands;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        text = text.substr(0, text.find('#'));
        std::istringstream words(text);
        std::string first;
        if (!(words >> first)) continue;
        if (first == "new" || first == "continue") {
            std::string extra;
            if (words >> extra) fail(line, "unexpected '" + extra + "' after " + first);
            Command command;
            command.kind = first == "new" ? Command::Kind::NewGame : Command::Kind::ContinueGame;
            command.line = line;
            commands.push_back(command);
        } else if (first == "options") {
            commands.push_back(parseOptions(line, words));
        } else {
            commands.push_back(parsePasses(line, first, words));
        }
    }
    return commands;
}

}  // namespace orbo::sim
