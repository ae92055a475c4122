// The team-change rebuild of a full lobby: the first event does every player's glyph
// work, later ones find every key cached. And one player's name of a mebibyte against a
// normal one: what a hostile name costs must not follow its length.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_set>

#include "allocation_counter.h"
#include "lobby_scenario.h"
#include "Veltrona.h"
#include "world.h"

namespace {

// The soak's lobby: 64 players with 32-character Japanese and ASCII names, 2,048 glyphs
// drawn from 587 distinct files.
void fillLobby(sim::World& world) {
    world.dataFolder = "data";
    const auto lobby = soak::lobbyScenario(0);
    for (const auto& player : lobby["players"]) {
        world.players.push_back(sim::Player{player["id"], player["name"], player["team"], player["score"], false});
    }
}

std::size_t imageLoads(const sim::World& world) {
    return static_cast<std::size_t>(std::count_if(world.calls.begin(), world.calls.end(),
                                                  [](const sim::Call& c) { return c.op == sim::Op::ImageWrapper; }));
}

std::size_t distinctFiles(const sim::World& world) {
    std::unordered_set<std::string> files;
    for (const auto& call : world.calls) {
        if (call.op == sim::Op::ImageWrapper) files.insert(call.text);
    }
    return files.size();
}

std::unique_ptr<Veltrona> wiredPlugin(sim::World& world) {
    auto plugin = std::make_unique<Veltrona>();
    plugin->cvarManager = std::make_shared<CVarManagerWrapper>(world.address());
    plugin->gameWrapper = std::make_shared<GameWrapper>(world.address());
    return plugin;
}

// Counters: the images the event loaded and the distinct files among them.
void BM_TeamChangeFirstEvent(benchmark::State& state) {
    sim::World world;
    fillLobby(world);
    std::size_t loads = 0;
    std::size_t files = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto plugin = wiredPlugin(world);
        world.calls.clear();
        world.dropReleasedImages();
        state.ResumeTiming();
        plugin->onTeamChanged("");
        state.PauseTiming();
        loads = imageLoads(world);
        files = distinctFiles(world);
        plugin.reset();
        state.ResumeTiming();
    }
    state.counters["image_loads"] = static_cast<double>(loads);
    state.counters["distinct_files"] = static_cast<double>(files);
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

constexpr std::size_t kMebibyte = std::size_t{1} << 20;

// A mebibyte: 262,144 hiragana, then x to the end; or a normal name.
std::string nameOfBytes(std::int64_t huge) {
    if (huge == 0) return "\xe3\x81\x9f\xe3\x81\xaa\xe3\x81\x8bPlayer7";
    std::string name;
    for (int i = 0; i < (1 << 18); ++i) name += "\xe3\x81\x82";
    name.resize(kMebibyte, 'x');
    return name;
}

// Time of the first team change with one such player; counters: the bytes the plugin
// holds afterwards and the most it held during the change, beyond what it held before,
// not counting the one copy of the name that the host's ToString hands over.
void BM_TeamChangeOneName(benchmark::State& state) {
    sim::World world;
    world.dataFolder = "data";
    world.players.push_back(sim::Player{"p-0", nameOfBytes(state.range(0)), 0, 0, false});
    double kept = 0;
    double peak = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto plugin = wiredPlugin(world);
        world.calls.clear();
        world.dropReleasedImages();
        auto before = liveBytes();
        resetPeakLiveBytes();
        state.ResumeTiming();
        plugin->onTeamChanged("");
        state.PauseTiming();
        world.calls.clear();
        world.calls.shrink_to_fit();
        kept = static_cast<double>(liveBytes() - before);
        auto nameCopy = state.range(0) == 0 ? 0.0 : static_cast<double>(kMebibyte);
        peak = static_cast<double>(peakLiveBytes() - before) - nameCopy;
        plugin.reset();
        state.ResumeTiming();
    }
    state.counters["kept_bytes"] = kept;
    state.counters["peak_bytes"] = peak;
}

}  // namespace

BENCHMARK(BM_TeamChangeOneName)->ArgName("mebibyte_name")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TeamChangeFirstEvent)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TeamChangeCachedKeys)->Unit(benchmark::kMicrosecond);
