// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/replay/ScriptRecording.h"

#include <sstream>

namespace orbo::sim {

std::string recordScript(const std::vector<Command>& script, const SimOptions& options) {
    std::string bytes;
    // Memory cannot fail as a file can: there is nothing to report.
    recording::Recording recording([](const std::string&) {});
    recording.keepIn(bytes);
    std::ostringstream trace;
    Simulation(options, trace, &recording).run(script);
    return bytes;
}

}  // namespace orbo::sim
