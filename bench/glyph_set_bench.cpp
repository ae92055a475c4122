// The glyph tool's build run whole, as a player runs it, against the Pillow script a player
// would write instead: ASCII, hiragana, katakana and the JIS X 0208 kanji (6,718 files) with
// Noto Sans CJK, each character one PNG file of the same cell size, into a fresh folder on
// disk. Wall time, files and bytes side by side, one tool after the other, and at the end
// how many times as long the script takes. Without Python's Pillow the script's half is
// skipped, not failed.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "child_process.h"

namespace {

namespace fs = std::filesystem;

constexpr char kFont[] = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
constexpr char kSets[] = "ascii,hiragana,katakana,jis-kanji";
constexpr std::size_t kFiles = 6718;
// The tool's cells and where it puts the font in them, for the script to draw alike: images
// of 64 (ASCII) or 84 by 114 pixels; Noto Sans CJK's line (ascender 1160, descender 288 in
// 1000 units) fills the height at floor(114 × 1000 / 1448) = 78 pixels per em, its baseline
// lround((114 − 1448 × 0.078) / 2 + 1160 × 0.078) = 91 pixels from the top.
constexpr int kPixelsPerEm = 78;
constexpr int kBaseline = 91;
constexpr int kNarrowWidth = 64;
constexpr int kWideWidth = 84;
constexpr int kHeight = 114;
// A run of the script takes several seconds; two show its spread.
constexpr int kRuns = 2;
constexpr double kBytesPerMB = 1e6;
// Debian's own interpreter first, which has python3-pil; then whichever is on the PATH.
constexpr const char* kPythons[] = {"/usr/bin/python3", "python3"};

enum class Tool { veltrona, pillow };

struct Figures {
    double seconds = 0;  // wall time of one run, on average
    std::size_t files = 0;
    std::uintmax_t bytes = 0;
};

std::optional<Figures> measured[2];
std::string pillowSkipped;

fs::path pillowScript() { return fs::path(VELTRONA_SOURCE_DIR) / "bench" / "peers" / "pillow_glyphs.py"; }

ScratchFolders& scratch() {
    static ScratchFolders folders("veltrona-glyph-set-bench");
    return folders;
}

std::optional<std::string> pythonWithPillow() {
    for (const char* python : kPythons) {
        if (runQuietly({python, "-c", "import PIL"}).succeeded) return python;
    }
    return std::nullopt;
}

std::vector<std::string> commandLine(Tool tool, const std::string& python, const fs::path& output) {
    if (tool == Tool::veltrona) {
        return {(binaryFolder() / "veltrona-glyphs").string(),
                "build",
                "--data",
                output.string(),
                "--font",
                kFont,
                "--set",
                kSets};
    }
    return {python,
            pillowScript().string(),
            kFont,
            output.string(),
            std::to_string(kPixelsPerEm),
            std::to_string(kBaseline),
            std::to_string(kNarrowWidth),
            std::to_string(kWideWidth),
            std::to_string(kHeight)};
}

// The PNG files under the folder, and their bytes.
Figures pngFiles(const fs::path& folder) {
    Figures figures;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().extension() != ".png") continue;
        ++figures.files;
        figures.bytes += entry.file_size();
    }
    return figures;
}

// Why the tool cannot run here, or nothing when it can; `python` gets the interpreter.
std::optional<std::string> unavailable(Tool tool, std::string& python) {
    if (!fs::exists(kFont)) return std::string(kFont) + " is not installed";
    if (tool == Tool::veltrona) {
        if (!fs::exists(binaryFolder() / "veltrona-glyphs")) return "veltrona-glyphs was not built";
        return std::nullopt;
    }
    const auto found = pythonWithPillow();
    if (!found) return "skipped: no python3 with Pillow (Debian's python3-pil)";
    python = *found;
    return std::nullopt;
}

void BM_GlyphSet(benchmark::State& state, Tool tool) {
    std::string python;
    if (const auto why = unavailable(tool, python)) {
        if (tool == Tool::pillow) pillowSkipped = *why;
        state.SkipWithError(why->c_str());
        return;
    }
    // The tool makes the data folder's inside, not the folder itself.
    auto prepare = [&] {
        const auto output = scratch().fresh();
        if (tool == Tool::veltrona) fs::create_directories(output);
        return output;
    };
    // Once untimed, so that every timed run finds the font and the programs in the page cache.
    runQuietly(commandLine(tool, python, prepare()));
    Figures figures;
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const auto output = prepare();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        const bool succeeded = runQuietly(commandLine(tool, python, output)).succeeded;
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        figures = pngFiles(output);
        if (!succeeded || figures.files != kFiles) {
            state.SkipWithError(("the run failed or wrote " + std::to_string(figures.files) + " of " +
                                 std::to_string(kFiles) + " files")
                                    .c_str());
            state.ResumeTiming();
            return;
        }
        state.ResumeTiming();
    }
    figures.seconds = seconds / static_cast<double>(state.iterations());
    measured[static_cast<std::size_t>(tool)] = figures;
    state.counters["files"] = static_cast<double>(figures.files);
    state.counters["MB"] = static_cast<double>(figures.bytes) / kBytesPerMB;
}
BENCHMARK_CAPTURE(BM_GlyphSet, veltrona_glyphs, Tool::veltrona)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(kRuns);
BENCHMARK_CAPTURE(BM_GlyphSet, pillow_script, Tool::pillow)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(kRuns);

void printFigures(const char* name, const Figures& figures) {
    std::printf("%-16s %6.2f s  %zu files  %.2f MB\n", name, figures.seconds, figures.files,
                static_cast<double>(figures.bytes) / kBytesPerMB);
}

void printComparison() {
    const auto& ours = measured[static_cast<std::size_t>(Tool::veltrona)];
    const auto& pillow = measured[static_cast<std::size_t>(Tool::pillow)];
    std::printf("\nASCII, kana and JIS X 0208 kanji, one file a character:\n");
    if (ours) printFigures("veltrona-glyphs", *ours);
    if (pillow) printFigures("Pillow script", *pillow);
    if (!pillowSkipped.empty()) std::printf("Pillow script    %s\n", pillowSkipped.c_str());
    if (ours && pillow && ours->seconds > 0) {
        std::printf("The Pillow script takes %.1f times as long; its files are %.2f times as large.\n",
                    pillow->seconds / ours->seconds,
                    static_cast<double>(pillow->bytes) / static_cast<double>(ours->bytes));
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printComparison();
    return 0;
}
