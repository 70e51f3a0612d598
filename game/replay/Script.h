// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <istream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orbo::sim {

// One line of a driver script.
struct Command {
    enum class Kind { NewGame, ContinueGame, Passes, Options };
    Kind kind = Kind::Passes;
    int line = 0;
    // Passes: how many, and the scan codes held down during each.
    int passes = 0;
    std::vector<int> keys;
    // Options: what the options dialog's OK would write; unset fields keep their value.
    std::optional<int> speed;
    std::optional<bool> smartCops;
    std::optional<bool> soundOn;
    std::optional<bool> musicOn;
};

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads a whole script; throws ScriptError naming the line at fault.
std::vector<Command> parseScript(std::istream& in);

// The text with its control characters as \xNN escapes, so that echoing a bad
// line cannot drive the terminal; letters of any alphabet stay as they are.
std::string printable(std::string_view text);

// The scan code of a key name ("Esc", "Left", ...) or of a decimal code 0..255.
std::optional<int> scanCodeOf(const std::string& name);

}  // namespace orbo::sim
