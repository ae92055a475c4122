// The team-change rebuild of a full lobby: the first event does every player's glyph
// work, later ones find every key cached.

#include <benchmark/benchmark.h>

#include <memory>

#include "Veltrona.h"
#include "world.h"

namespace {

constexpr int kLobbySize = 64;

void fillLobby(sim::World& world) {
    world.dataFolder = "data";
    for (int i = 0; i < kLobbySize; ++i) {
        // Eight kana and eight ASCII characters: sixteen glyphs a name.
        std::string name = "\xe3\x81\x9f\xe3\x81\xaa\xe3\x81\x8b\xe3\x82\x84\xe3\x81\xbe\xe3\x81\xa0\xe3\x81\x95"
                           "\xe3\x82\x93" "Player" + std::to_string(10 + i);
        world.players.push_back(sim::Player{"p-" + std::to_string(i), name, static_cast<std::uint8_t>(i % 2), i, false});
    }
}

std::unique_ptr<Veltrona> wiredPlugin(sim::World& world) {
    auto plugin = std::make_unique<Veltrona>();
    plugin->cvarManager = std::make_shared<CVarManagerWrapper>(world.address());
    plugin->gameWrapper = std::make_shared<GameWrapper>(world.address());
    return plugin;
}

void BM_TeamChangeFirstEvent(benchmark::State& state) {
    sim::World world;
    fillLobby(world);
    for (auto _ : state) {
        state.PauseTiming();
        auto plugin = wiredPlugin(world);
        world.calls.clear();
        world.dropReleasedImages();
        state.ResumeTiming();
        plugin->onTeamChanged("");
        state.PauseTiming();
        plugin.reset();
        state.ResumeTiming();
    }
}

void BM_TeamChangeCachedKeys(benchmark::State& state) {
    sim::World world;
    fillLobby(world);
    auto plugin = wiredPlugin(world);
    plugin->onTeamChanged("");
    for (auto _ : state) {
        world.calls.clear();
        plugin->onTeamChanged("");
    }
}

}  // namespace

BENCHMARK(BM_TeamChangeFirstEvent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TeamChangeCachedKeys)->Unit(benchmark::kMicrosecond);
