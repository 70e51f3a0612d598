// orbo-sim: plays a scripted game through the real session on fake platform
// services and prints what happened as JSON lines. See README.md.
#include <charconv>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "tools/orbo-sim/Script.h"
#include "tools/orbo-sim/Simulation.h"

namespace {

constexpr const char* Usage =
    "usage: orbo-sim --dir DIR [--speed N] [--smart] [--sound 0|1] [--music 0|1] [--seed N]\n"
    "                [--level N] [--frame-ms N] [--tick0 N] [--trace all|end] [--shot FILE]  < script\n"
    "       orbo-sim --help\n"
    "Plays the script on standard input through the game's own session without a window and\n"
    "prints what happened as JSON lines. See orbo-sim(6) for the script and the trace.\n";

struct UsageError {
    std::string message;
};
struct HelpWanted {};

std::uint32_t parseUnsigned(std::string_view option, std::string_view text, std::uint32_t low, std::uint32_t high) {
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw UsageError{std::string(option) + " takes a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + std::string(text) + "'"};
    return value;
}

orbo::sim::SimOptions parseArguments(int argc, char** argv) {
    orbo::sim::SimOptions options;
    bool haveDir = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        auto value = [&]() -> std::string_view {
            if (i + 1 >= argc) throw UsageError{std::string(option) + " needs a value"};
            return argv[++i];
        };
        if (option == "--help" || option == "-h") throw HelpWanted{};
        if (option == "--dir") {
            options.dir = std::string(value());
            haveDir = true;
        } else if (option == "--speed") {
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
        } else if (option == "--trace") {
            const std::string_view mode = value();
            if (mode != "all" && mode != "end")
                throw UsageError{"--trace is all or end, not '" + std::string(mode) + "'"};
            options.traceAll = mode == "all";
        } else if (option == "--shot") {
            options.shot = std::string(value());
            // An empty name would silently write no picture at all.
            if (options.shot.empty()) throw UsageError{"--shot needs a file name, not an empty path"};
        } else {
            throw UsageError{"unknown option '" + std::string(option) + "'"};
        }
    }
    if (!haveDir) throw UsageError{"--dir DIR is required"};
    std::error_code error;
    if (!std::filesystem::is_directory(options.dir, error))
        throw UsageError{"--dir: '" + options.dir.string() + "' is not a folder"};
    return options;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        const orbo::sim::SimOptions options = parseArguments(argc, argv);
        const auto script = orbo::sim::parseScript(std::cin);
        orbo::sim::Simulation simulation(options, std::cout);
        simulation.run(script);
        if (!options.shot.empty() && !simulation.saveShot()) {
            std::cerr << "orbo-sim: no frame was shown, or it could not be written to '"
                      << orbo::sim::printable(options.shot.string()) << "'\n";
            return 1;
        }
    } catch (const HelpWanted&) {
        std::cout << Usage;
    } catch (const UsageError& error) {
        std::cerr << "orbo-sim: " << orbo::sim::printable(error.message) << '\n' << Usage;
        return 2;
    } catch (const orbo::sim::ScriptError& error) {
        std::cerr << "orbo-sim: script " << orbo::sim::printable(error.what()) << '\n';
        return 2;
    }
    return 0;
}
