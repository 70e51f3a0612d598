#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>

#include "game/core/Level.h"
#include "game/fakes/Fakes.h"
#include "tests/common/TempDir.h"
#include "tools/orbo-sim/Script.h"
#include "tools/orbo-sim/Simulation.h"

namespace orbo {
namespace {

const std::filesystem::path ShippedLevels = ORBO_SOURCE_DIR "/assets/levels";

// A program folder whose level folder is the shipped one.
struct LevelFolder {
    LevelFolder() : dir(temp.path()) { std::filesystem::create_directory_symlink(ShippedLevels, dir / "Этажи"); }
    TempDir temp;
    std::filesystem::path dir;
};

// Whole passes of the play loop through the headless driver (the session loop,
// the rules and the frame's decisions, nothing drawn): walking right and left.
void playPasses(benchmark::State& state) {
    const LevelFolder folder;
    std::istringstream text("new\n" + std::string("100 Right\n100 Left\n") + "100 Right\n100 Left\n100 Right\n");
    const auto script = sim::parseScript(text);
    sim::SimOptions options;
    options.dir = folder.dir;
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
    const LevelFolder folder;
    fake::Machine machine(folder.dir);
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
