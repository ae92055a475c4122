// Names set as text: a frame of a full lobby drawn from name images against the same frame
// drawn from glyph files (allocations per frame counted), how soon a name is ready, from the
// request to the texture made, with a name never met and with one the cache holds, and what
// the switch to text costs the game thread.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "default_fonts.h"
#include "name_images.h"
#include "name_size.h"
#include "overlay.h"
#include "roster.h"
#include "text_start.h"
#include "world.h"

namespace {

namespace fs = std::filesystem;

// A lobby as the plugin holds it: each player's glyphs, and in text mode the name image too.
struct Lobby {
    sim::World world;
    GameWrapper game{world.address()};
    Roster roster;
    Overlay overlay;
    TextNames names;

    Lobby(int rows, int glyphs, bool text) {
        overlay.layoutChoice = layout::Choice::scaled;
        names.size = layout::nameSizeOn(world.screen, overlay.layoutChoice);
        for (int row = 0; row < rows; ++row) {
            std::string key = "player-" + std::to_string(row);
            roster.rows.push_back({key, 0, row < rows / 2, key});
            auto& player = roster.glyphs.players[key];
            for (int glyph = 0; glyph < glyphs; ++glyph) {
                player.glyphs.push_back(
                    {"g", std::make_shared<ImageWrapper>("g.png", true, false), glyph % 3 != 0});
            }
            if (!text) continue;
            player.text.request = std::make_shared<NameRequest>();
            player.text.request->size = names.size;
            player.text.request->state = NameState::ready;
            player.text.image = std::make_shared<ImageWrapper>("name.png", true, false);
        }
        roster.teamZeroRowCount = rows / 2;
    }

    // The plugin's frame in text mode: its names' upkeep, then the rows.
    void frame(CanvasWrapper canvas, bool text) {
        if (text)
            updateNameImages(names, roster, layout::nameSizeOn(game.GetScreenSize(), overlay.layoutChoice));
        drawGlyphRows(overlay, roster, game, canvas);
    }
};

void BM_LobbyFrame(benchmark::State& state) {
    const bool text = state.range(2) != 0;
    Lobby lobby(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)), text);
    CanvasWrapper canvas(lobby.world.address());
    lobby.frame(canvas, text);  // the record grows to its working size, the names settle
    lobby.world.calls.clear();
    lobby.frame(canvas, text);
    state.counters["draws"] = static_cast<double>(lobby.world.calls.size() / 2 - 1);
    const auto before = allocationCount();
    for (auto _ : state) {
        lobby.world.calls.clear();
        lobby.frame(canvas, text);
        benchmark::DoNotOptimize(lobby.world.calls.data());
    }
    state.counters["allocs_per_frame"] = benchmark::Counter(static_cast<double>(allocationCount() - before) /
                                                            static_cast<double>(state.iterations()));
}

// 64 players with names of 12 characters, a third of them narrow.
BENCHMARK(BM_LobbyFrame)->ArgNames({"rows", "glyphs", "text"})->Args({64, 12, 0})->Args({64, 12, 1});

// From queued to the texture made: the worker sets the name and writes its file, the game
// thread makes the image. `fresh` names were never met; the others come from the cache.
void BM_NameReady(benchmark::State& state) {
    const bool fresh = state.range(0) != 0;
    const auto cache = fs::temp_directory_path() / "veltrona-name-ready-bench";
    fs::remove_all(cache);
    sim::World world;
    TextWorker worker(
        [](TextWorker::FontsReport&) {
            return std::make_unique<TextFonts>(findDefaultFonts(defaultFontChain()).installed);
        },
        cache);
    const NameSize size{57, 420};
    const std::vector<std::string> names = {"たなか", "Zoë", "Дмитрий", "علي", "🐱Sora🚀", "José"};
    std::vector<std::shared_ptr<NameRequest>> outbox;
    std::uint64_t count = 0;
    for (auto _ : state) {
        auto request = std::make_shared<NameRequest>();
        request->name = names[count % names.size()];
        // Appended piecewise: GCC 12 misreads " " + std::to_string(...) as an overlapping copy.
        if (fresh) {
            request->name += ' ';
            request->name += std::to_string(count);
        }
        request->size = size;
        ++count;
        outbox.push_back(request);
        worker.send(outbox, true);
        worker.waitUntilIdle();
        if (request->state.load() != NameState::ready) {
            state.SkipWithError("a name was not set");
            break;
        }
        ImageWrapper image(request->file, true, false);
        benchmark::DoNotOptimize(image.handle());
    }
    fs::remove_all(cache);
}

BENCHMARK(BM_NameReady)
    ->ArgName("fresh")
    ->Arg(1)
    ->Arg(0)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// The switch to text on the game thread: it starts the worker, which reads the list and
// opens the fonts on its own. Beside it, opening the default chain, which the switch used to
// do on the game thread.
void BM_SwitchToText(benchmark::State& state) {
    const auto data = fs::temp_directory_path() / "veltrona-switch-bench";
    fs::remove_all(data);
    fs::create_directories(data);
    for (auto _ : state) {
        auto worker = startTextWorker(data);
        state.PauseTiming();
        worker->waitUntilIdle();
        if (worker->fontsState() != TextWorker::FontsState::ready) state.SkipWithError("no font opened");
        worker.reset();
        state.ResumeTiming();
    }
    fs::remove_all(data);
}

BENCHMARK(BM_SwitchToText)->Unit(benchmark::kMicrosecond);

void BM_OpenDefaultChain(benchmark::State& state) {
    const auto chain = findDefaultFonts(defaultFontChain()).installed;
    for (auto _ : state) {
        TextFonts fonts(chain);
        benchmark::DoNotOptimize(fonts.size());
    }
}

BENCHMARK(BM_OpenDefaultChain)->Unit(benchmark::kMillisecond);

}  // namespace
