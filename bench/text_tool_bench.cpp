// The text tool run whole, as a player runs it, against a Pango + Cairo program doing the
// same work: 1,000 names set and written as PNG files, each through a temporary file and a
// rename, into a fresh folder. Wall time, and the child's user and system CPU time and
// peak resident memory, side by side; each into a folder on disk and into one in memory
// (tmpfs), which leaves out the file system's share.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "child_process.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRowHeight = 57;
// nameMetrics' em for that row with the main font, Noto Sans CJK (ascender 1160 and descender
// 288 in 1000 units): floor(57 × 1000 / 1448).
constexpr int kPixelsPerEm = 39;
constexpr std::size_t kNames = 1000;
// A run takes about a second; a few show its spread.
constexpr int kRuns = 3;
constexpr double kMicrosPerSecond = 1e6;
constexpr double kKiBPerMiB = 1024;

fs::path namesFile() { return fs::path(VELTRONA_SOURCE_DIR) / "bench" / "data" / "names_1000.txt"; }

enum class Tool { veltrona, pangoCairo };
enum class Place { disk, memory };

constexpr std::string_view kMemoryFolder = "/dev/shm";

ScratchFolders& scratch() {
    static ScratchFolders folders("veltrona-text-tool-bench");
    return folders;
}

fs::path folderFor(Place place) {
    return place == Place::memory ? fs::path(kMemoryFolder) : fs::temp_directory_path();
}

fs::path executable(Tool tool) {
    return binaryFolder() / (tool == Tool::veltrona ? "veltrona-glyphs" : "pango_names");
}

std::vector<std::string> commandLine(Tool tool, const fs::path& output) {
    const auto program = executable(tool).string();
    if (tool == Tool::veltrona) {
        return {program, "text",          "--names", namesFile().string(),
                "-o",    output.string(), "--size",  std::to_string(kRowHeight)};
    }
    return {program, namesFile().string(), output.string(), std::to_string(kRowHeight),
            std::to_string(kPixelsPerEm)};
}

double seconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / kMicrosPerSecond;
}

std::size_t pngFiles(const fs::path& folder) {
    std::size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) count += entry.path().extension() == ".png";
    return count;
}

void BM_TextTool(benchmark::State& state, Tool tool, Place place) {
    if (!fs::exists(executable(tool))) {
        state.SkipWithError((executable(tool).string() + " was not built").c_str());
        return;
    }
    if (place == Place::memory && !fs::is_directory(kMemoryFolder)) {
        state.SkipWithError("no tmpfs at /dev/shm");
        return;
    }
    // Once untimed, so that every timed run finds the fonts in the page cache alike.
    runQuietly(commandLine(tool, scratch().fresh(folderFor(place))));
    double user = 0;
    double system = 0;
    long peakKiB = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto output = scratch().fresh(folderFor(place));
        state.ResumeTiming();
        const auto child = runQuietly(commandLine(tool, output));
        state.PauseTiming();
        if (!child.succeeded || pngFiles(output) != kNames) {
            state.SkipWithError("the run failed or wrote too few pictures");
            state.ResumeTiming();
            break;
        }
        user += seconds(child.usage.ru_utime);
        system += seconds(child.usage.ru_stime);
        peakKiB = std::max(peakKiB, child.usage.ru_maxrss);
        state.ResumeTiming();
    }
    const auto perRun = benchmark::Counter::kAvgIterations;
    state.counters["user_s"] = benchmark::Counter(user, perRun);
    state.counters["sys_s"] = benchmark::Counter(system, perRun);
    state.counters["cpu_s"] = benchmark::Counter(user + system, perRun);
    state.counters["max_rss_MiB"] = static_cast<double>(peakKiB) / kKiBPerMiB;
}
BENCHMARK_CAPTURE(BM_TextTool, veltrona_disk, Tool::veltrona, Place::disk)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(kRuns);
BENCHMARK_CAPTURE(BM_TextTool, pango_cairo_disk, Tool::pangoCairo, Place::disk)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(kRuns);
BENCHMARK_CAPTURE(BM_TextTool, veltrona_memory, Tool::veltrona, Place::memory)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(kRuns);
BENCHMARK_CAPTURE(BM_TextTool, pango_cairo_memory, Tool::pangoCairo, Place::memory)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(kRuns);

}  // namespace
