// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/replay/SimArguments.h"

#include <charconv>
#include <cstdint>

namespace orbo::sim {
namespace {

std::uint32_t parseUnsigned(std::string_view option, std::string_view text, std::uint32_t low, std::uint32_t high) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw UsageError{std::string(option) + " takes a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + std::string(text) + "'"};
    return value;
}

// A path that must not be empty: an empty one would silently write or read nothing.
std::filesystem::path fileNamed(std::string_view option, std::string_view text) {
    if (text.empty()) throw UsageError{std::string(option) + " needs a file name, not an empty path"};
    return std::string(text);
}

// The options that set up the game itself.
bool setGameOption(SimOptions& options, std::string_view option, const auto& value) {
    if (option == "--speed") {
        options.speed = static_cast<int>(parseUnsigned(option, value(), 1, 7));
    } else if (option == "--smart") {
        options.smartCops = true;
    } else if (option == "--sound") {
        options.soundOn = parseUnsigned(option, value(), 0, 1) == 1;
    } else if (option == "--music") {
        options.musicOn = parseUnsigned(option, value(), 0, 1) == 1;
    } else if (option == "--seed") {
        options.seed = parseUnsigned(option, value(), 0, UINT32_MAX);
    } else if (option == "--level") {
        options.level = static_cast<int>(parseUnsigned(option, value(), 0, 9999));
    } else if (option == "--frame-ms") {
        options.frameMs = parseUnsigned(option, value(), 1, 10000);
    } else if (option == "--tick0") {
        options.tick0 = parseUnsigned(option, value(), 0, UINT32_MAX);
    } else {
        return false;
    }
    options.gameOptionsGiven = true;
    return true;
}

}  // namespace

SimOptions parseSimArguments(std::span<const std::string_view> arguments) {
    SimOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view option = arguments[i];
        auto value = [&]() -> std::string_view {
            if (i + 1 >= arguments.size()) throw UsageError{std::string(option) + " needs a value"};
            return arguments[++i];
        };
        if (option == "--help" || option == "-h") throw HelpWanted{};
        if (setGameOption(options, option, value)) continue;
        if (option == "--dir") {
            options.dir = std::string(value());
        } else if (option == "--trace") {
            const std::string_view mode = value();
            if (mode != "all" && mode != "end")
                throw UsageError{"--trace is all or end, not '" + std::string(mode) + "'"};
            options.traceAll = mode == "all";
        } else if (option == "--shot") {
            options.shot = fileNamed(option, value());
        } else if (option == "--record") {
            options.record = fileNamed(option, value());
        } else if (option == "--replay") {
            options.replay = fileNamed(option, value());
        } else {
            throw UsageError{"unknown option '" + std::string(option) + "'"};
        }
    }
    return options;
}

}  // namespace orbo::sim
