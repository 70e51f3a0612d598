#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "game/core/Level.h"
#include "game/headless/Machine.h"
#include "game/replay/Script.h"
#include "game/replay/Simulation.h"

namespace orbo {
namespace {

// The built program's folder, with the shipped levels and the generated sounds.
const std::filesystem::path ProgramDir = ORBO_BIN_DIR;

// Whole passes of the play loop through the headless driver (the session loop,
// the rules and the frame's decisions, nothing drawn): walking right and left.
void playPasses(benchmark::State& state) {
    std::istringstream text("new\n" + std::string("100 Right\n100 Left\n") + "100 Right\n100 Left\n100 Right\n");
    const auto script = sim::parseScript(text);
    sim::SimOptions options;
    options.dir = ProgramDir;
    options.traceAll = state.range(0) != 0;
    std::ostringstream out;
    for (auto _ : state) {
        out.str({});
        sim::Simulation simulation(options, out);
        simulation.run(script);
    }
    state.SetItemsProcessed(state.iterations() * 500);
    state.SetLabel(options.traceAll ? "every pass traced" : "end traced");
}
BENCHMARK(playPasses)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void loadOneLevel(benchmark::State& state) {
    headless::Machine machine(ProgramDir);
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
