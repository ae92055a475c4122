// The per-frame renderer against the cost of issuing the very same canvas calls from a
// precomputed list, with heap allocations per frame counted.

#include <benchmark/benchmark.h>

#include <memory>
#include <unordered_map>
#include <vector>

#include "allocation_counter.h"
#include "overlay.h"
#include "roster.h"
#include "world.h"

namespace {

struct Lobby {
    sim::World world;
    GameWrapper game{world.address()};
    Roster roster;
    Overlay overlay;

    Lobby(int rows, int glyphs, bool scaled) {
        // The scaled layout maps every glyph onto a screen other than its reference one.
        overlay.layoutChoice = scaled ? layout::Choice::scaled : layout::Choice::fixed;
        if (scaled) world.screen = {2560, 1440};
        for (int row = 0; row < rows; ++row) {
            std::string key = "player-" + std::to_string(row);
            roster.rows.push_back({key, 0, row < rows / 2, key});
            auto& player = roster.glyphs.players[key];
            for (int glyph = 0; glyph < glyphs; ++glyph) {
                player.glyphs.push_back(
                    {"g", std::make_shared<ImageWrapper>("g.png", true, false), glyph % 3 != 0});
            }
        }
        roster.teamZeroRowCount = rows / 2;
    }

    void draw(CanvasWrapper canvas) { drawGlyphRows(overlay, roster, game, canvas); }
};

struct Draw {
    Vector2 position;
    ImageWrapper* image;
    float scale;
};

// What the host sees of one frame: the positions and images, in order. Names are cut at
// the screen's edge, so the draws are found by the images' handles, not by the rows.
std::vector<Draw> recordFrame(Lobby& lobby) {
    std::unordered_map<int, ImageWrapper*> images;
    for (const auto& [key, player] : lobby.roster.glyphs.players) {
        for (const auto& glyph : player.glyphs) images[glyph.image->handle()] = glyph.image.get();
    }
    lobby.world.calls.clear();
    lobby.draw(CanvasWrapper(lobby.world.address()));
    std::vector<Draw> draws;
    const auto& calls = lobby.world.calls;
    for (std::size_t i = 2; i + 1 < calls.size(); i += 2) {
        draws.push_back({calls[i].position, images.at(calls[i + 1].value), calls[i + 1].scale});
    }
    return draws;
}

void reportAllocations(benchmark::State& state, std::size_t before) {
    state.counters["allocs_per_frame"] = benchmark::Counter(static_cast<double>(allocationCount() - before) /
                                                            static_cast<double>(state.iterations()));
}

void BM_DrawGlyphRows(benchmark::State& state) {
    Lobby lobby(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), state.range(2) != 0);
    state.counters["glyphs_drawn"] = static_cast<double>(recordFrame(lobby).size());
    CanvasWrapper canvas(lobby.world.address());
    lobby.draw(canvas);  // the record grows to its working size once
    auto before = allocationCount();
    for (auto _ : state) {
        lobby.world.calls.clear();
        lobby.draw(canvas);
        benchmark::DoNotOptimize(lobby.world.calls.data());
    }
    reportAllocations(state, before);
}

void BM_PrecomputedCanvasCalls(benchmark::State& state) {
    Lobby lobby(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), state.range(2) != 0);
    auto draws = recordFrame(lobby);
    CanvasWrapper canvas(lobby.world.address());
    auto before = allocationCount();
    for (auto _ : state) {
        lobby.world.calls.clear();
        canvas.SetColor(static_cast<char>(255), static_cast<char>(255), static_cast<char>(255),
                        static_cast<char>(255));
        canvas.SetPosition({0, 0});
        for (const auto& draw : draws) {
            canvas.SetPosition(draw.position);
            canvas.DrawTexture(draw.image, draw.scale);
        }
        benchmark::DoNotOptimize(lobby.world.calls.data());
    }
    reportAllocations(state, before);
}

}  // namespace

BENCHMARK(BM_DrawGlyphRows)
    ->ArgNames({"rows", "glyphs", "scaled"})
    ->Args({8, 16, 0})
    ->Args({64, 24, 0})
    ->Args({64, 24, 1});
BENCHMARK(BM_PrecomputedCanvasCalls)
    ->ArgNames({"rows", "glyphs", "scaled"})
    ->Args({8, 16, 0})
    ->Args({64, 24, 0})
    ->Args({64, 24, 1});
