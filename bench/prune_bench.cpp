// The scoreboard-open prune of a lobby from which half the players left, at sizes up to a
// hostile scenario's 80,000: its cost must grow with the lobby, not with its square.

#include <benchmark/benchmark.h>

#include <string>

#include "GameWrapper.h"
#include "roster.h"
#include "world.h"

namespace {

void BM_PruneHalfTheLobbyLeft(benchmark::State& state) {
    sim::World world;
    world.dataFolder = "data";
    GameWrapper game(world.address());
    const auto players = static_cast<std::size_t>(state.range(0));
    for (std::size_t i = 0; i < players; ++i) {
        world.players.push_back(
            sim::Player{"p-" + std::to_string(i), "P", static_cast<std::uint8_t>(i % 2), 0, false});
    }
    Roster full;
    rebuildRoster(full, game);
    world.players.resize(players / 2);
    for (auto _ : state) {
        state.PauseTiming();
        Roster roster = full;
        state.ResumeTiming();
        auto report = pruneRoster(roster, game);
        benchmark::DoNotOptimize(report);
        state.PauseTiming();
        roster = {};
        state.ResumeTiming();
    }
    state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_PruneHalfTheLobbyLeft)
    ->RangeMultiplier(4)
    ->Range(80, 81920)
    ->Complexity()
    ->Unit(benchmark::kMillisecond);
