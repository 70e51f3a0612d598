// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/autoplayer/Arguments.h"

#include <charconv>
#include <string_view>

namespace orbo::autoplay {

const char* const Usage =
    "usage: orbo-autoplayer --dir DIR [--level N] [--cops dumb|smart|both] [--seed N] [--speed N]\n"
    "                       [--width N] [--record FOLDER] [--table FILE --ideas FILE [--seeds N]]\n"
    "       orbo-autoplayer --dir DIR --novice [--level N] [--cops dumb|smart|both] [--seed N]\n"
    "       orbo-autoplayer --help\n"
    "Plans every level of DIR/Этажи (or level N) against dumb and smart cops and prints each\n"
    "winning script, or writes it to FOLDER/OrboN.txt (dumb cops) and FOLDER/OrboN.smart.txt.\n"
    "--table also plays N seeds (3) with the planner and 8 games with a weaker player against\n"
    "each kind of cops, and writes the figures as a Markdown table; --novice only plays the\n"
    "weaker player's games and prints them.\n"
    "Exit status: 0 every level cleared and every file written, 1 a level not cleared or a file\n"
    "not written, 2 a bad option or a level that does not exist.\n";

namespace {

int number(std::string_view option, std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw UsageError{std::string(option) + " takes a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + std::string(text) + "'"};
    return value;
}

std::vector<bool> copModes(std::string_view text) {
    if (text == "dumb") return {false};
    if (text == "smart") return {true};
    if (text == "both") return {false, true};
    throw UsageError{"--cops is dumb, smart or both, not '" + std::string(text) + "'"};
}

}  // namespace

Arguments parseArguments(int argc, const char* const* argv) {
    Arguments arguments;
    arguments.command = "orbo-autoplayer";
    bool haveDir = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        auto value = [&]() -> std::string_view {
            if (i + 1 >= argc) throw UsageError{std::string(option) + " needs a value"};
            return argv[++i];
        };
        if (option == "--help") {
            arguments.help = true;
            return arguments;
        }
        if (option == "--dir") {
            arguments.play.dir = std::string(value());
            haveDir = true;
            continue;
        }
        if (option == "--level")
            arguments.level = number(option, value(), 0, 999);
        else if (option == "--cops")
            arguments.copModes = copModes(value());
        else if (option == "--seed")
            arguments.play.seed = static_cast<std::uint32_t>(number(option, value(), 0, 1 << 30));
        else if (option == "--speed")
            arguments.play.speed = number(option, value(), 1, 7);
        else if (option == "--width")
            arguments.width = number(option, value(), 1, 10000);
        else if (option == "--seeds")
            arguments.seeds = number(option, value(), 1, 100);
        else if (option == "--novice")
            arguments.novice = true;
        else if (option == "--record")
            arguments.record = std::string(value());
        else if (option == "--table")
            arguments.table = std::string(value());
        else if (option == "--ideas")
            arguments.ideas = std::string(value());
        else
            throw UsageError{"unknown option '" + std::string(option) + "'"};
        arguments.command += " " + std::string(option);
        if (option != "--novice") arguments.command += " " + std::string(argv[i]);
    }
    if (!haveDir) throw UsageError{"--dir DIR is required"};
    arguments.command += " --dir BIN";
    if (!arguments.table.empty() && arguments.ideas.empty()) throw UsageError{"--table needs --ideas"};
    if (arguments.novice && !(arguments.record.empty() && arguments.table.empty()))
        throw UsageError{"--novice records nothing: leave out --record and --table"};
    return arguments;
}

}  // namespace orbo::autoplay
