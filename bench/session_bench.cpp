// An evening of online matches through the host runner and the built module: the heap the
// run holds at its peak, for a short session and a long one. The strangers of every match
// leave, so a long session must hold no more than a short one. The scenario is read before
// the count starts: it is the input, not what the plugin keeps.

#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "allocation_counter.h"
#include "paths.h"
#include "runner.h"
#include "scenario.h"
#include "session_scenario.h"

namespace {

// The trace goes nowhere; writing it still costs what it costs.
class DiscardBuffer : public std::streambuf {
protected:
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
};

void BM_Session(benchmark::State& state) {
    const auto names = state.range(1) != 0 ? soak::SessionNames::text : soak::SessionNames::glyphs;
    auto scenario = hostrun::parseScenario(
        soak::sessionScenario(static_cast<std::uint64_t>(state.range(0)), names).dump());
    auto module = hostrun::executableDir() / hostrun::moduleFileName("Veltrona");
    DiscardBuffer discard;
    std::ostream trace(&discard);
    double peak = 0;
    double left = 0;
    for (auto _ : state) {
        auto before = liveBytes();
        resetPeakLiveBytes();
        {
            hostrun::Runner runner(module, "data", trace, false);
            runner.run(scenario);
            left = static_cast<double>(liveBytes() - before);
        }
        peak = static_cast<double>(peakLiveBytes() - before);
    }
    state.counters["peak_bytes"] = peak;
    state.counters["bytes_at_end"] = left;
}

}  // namespace

// Names set as text keep their images in the data folder's cache, bounded: a long evening
// passes the bound (about 570 matches in), and the cache is pruned as it goes; 2,000 matches
// show that the pruning's cost does not grow with the evening either.
BENCHMARK(BM_Session)
    ->ArgNames({"matches", "text"})
    ->Args({50, 0})
    ->Args({1000, 0})
    ->Args({50, 1})
    ->Args({1000, 1})
    ->Args({2000, 1})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
