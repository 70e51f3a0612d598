// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <filesystem>

#include "game/core/Level.h"
#include "game/headless/Machine.h"

namespace orbo {
namespace {

// A shipped level read from the built program's folder. Whole passes of the
// rules are measured by bench.sh through orbo-sim itself.
void loadOneLevel(benchmark::State& state) {
    headless::Machine machine(ORBO_BIN_DIR);
    Game game(machine.platform);
    for (auto _ : state) {
        game.progress.level = (game.progress.level + 1) % 15;
        loadLevel(game);
    }
}
BENCHMARK(loadOneLevel)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbo

BENCHMARK_MAIN();
