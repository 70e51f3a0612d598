// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game from any level and any script: the input is the level file, a
// line "---", then the script. Nothing may crash, hang or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "game/replay/Script.h"
#include "game/replay/Simulation.h"
#include "tests/fuzz/FuzzFolder.h"

namespace {

// Enough passes to clear, lose and restart a level, few enough to keep thousands of runs a minute.
constexpr int PassBudget = 800;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto split = input.find("\n---\n");
    const std::string_view level = input.substr(0, split);
    const std::string_view script = split == std::string_view::npos ? std::string_view() : input.substr(split + 5);

    const auto& folder = orbo::fuzz::scratchFolder();
    {
        std::ofstream out(folder / "Этажи" / "Orbo0.orb", std::ios::binary | std::ios::trunc);
        out.write(level.data(), static_cast<std::streamsize>(level.size()));
    }
    std::istringstream in{std::string(script)};
    std::vector<orbo::sim::Command> commands;
    try {
        commands = orbo::sim::parseScript(in);
    } catch (const orbo::sim::ScriptError&) {
        return 0;
    }
    int budget = PassBudget;
    for (auto& command : commands) {
        if (command.passes > budget) command.passes = budget;
        budget -= command.passes;
    }

    orbo::sim::SimOptions options;
    options.dir = folder;
    // A stream without a buffer: the trace is made, and dropped.
    std::ostream trace(nullptr);
    orbo::sim::Simulation(options, trace).run(commands);
    return 0;
}
