// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an orbo-sim script: either commands within their ranges or a
// ScriptError, nothing else.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "game/replay/Script.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    try {
        for (const auto& command : orbo::sim::parseScript(in)) {
            if (command.passes < 0 || (command.speed && (*command.speed < 1 || *command.speed > 7))) std::abort();
            for (const int key : command.keys)
                if (key < 0 || key > 255) std::abort();
        }
    } catch (const orbo::sim::ScriptError&) {}
    return 0;
}
