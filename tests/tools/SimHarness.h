// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "game/replay/Script.h"
#include "game/replay/Simulation.h"
#include "tests/support/ProgramFolder.h"
#include "tests/support/TempDir.h"

namespace orbo {

using Json = nlohmann::json;

// A program folder with hand-made levels, played through the headless driver.
class SimTest : public ::testing::Test {
protected:
    SimTest() {
        std::filesystem::create_directories(dir.path() / "Этажи");
        writeSoundFiles(dir.path());
    }

    // Rows from the top; missing rows and columns are Empty.
    void level(int number, const std::vector<std::string>& rows) { writeLevel(dir.path(), number, rows); }

    std::vector<Json> run(const std::string& script, sim::SimOptions options = {}) {
        options.dir = dir.path();
        std::istringstream in(script);
        const auto commands = sim::parseScript(in);
        std::ostringstream out;
        sim::Simulation(options, out).run(commands);
        std::vector<Json> lines;
        std::istringstream text(out.str());
        for (std::string line; std::getline(text, line);) lines.push_back(Json::parse(line));
        return lines;
    }

    std::vector<Json> runAll(const std::string& script, sim::SimOptions options = {}) {
        options.traceAll = true;
        return run(script, options);
    }

    TempDir dir;
};

// Walls around the cops' start cell keep them out of the way.
inline const std::string CopsWalledIn = "1010000000000000";
inline const std::string UnderCops = "0100000000000000";

inline const Json& hero(const Json& line) { return line["units"][0]; }

}  // namespace orbo
