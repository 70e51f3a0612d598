// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "tools/levelcheck/LevelCheck.h"

namespace orbo {
namespace {

// The slowest level a search over random and mutated levels found: ladders at
// both sides and turf floors to dig through from end to end.
constexpr const char* SlowestFound =
    "3000000001000003\r\n3222222222222223\r\n3050000000000003\r\n3222222232222223\r\n3000002000002003\r\n"
    "3422222222252223\r\n3000000002000003\r\n3222222225222223\r\n3000000000002003\r\n3222222222222223\r\n"
    "3000000000000003\r\n3022222222222223\r\n3000003000000003\r\n3222222222222223\r\n3000000000000000\r\n";

// The whole check the editor runs under its grid after each pause in painting
// (layout, hero's reach, cop rush): it must stay well under 5 ms.
void checkShippedLevel(benchmark::State& state) {
    const auto bytes = levelcheck::readLevelBytes(std::filesystem::path(ORBO_SOURCE_DIR "/assets/levels") /
                                                  ("Orbo" + std::to_string(state.range(0)) + ".orb"));
    if (!bytes) state.SkipWithError("the shipped level cannot be read");
    for (auto _ : state) benchmark::DoNotOptimize(levelcheck::checkLevel(bytes.value_or("")));
}
BENCHMARK(checkShippedLevel)->DenseRange(0, 17)->Unit(benchmark::kMicrosecond);

void checkSlowestLevelFound(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(levelcheck::checkLevel(SlowestFound));
}
BENCHMARK(checkSlowestLevelFound)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orbo

BENCHMARK_MAIN();
