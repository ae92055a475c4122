// Random matches through the real host runner and the real module, checked line by line
// against what every trace must show. The suite plays a few fixed seeds; a longer run
// picks its own seeds and length from the environment:
//
//   VELTRONA_SOAK_SEED     first seed (default 1)
//   VELTRONA_SOAK_SEEDS    how many seeds, counting up from the first (default kSuiteSeeds)
//   VELTRONA_SOAK_STEPS    steps per match (default kSuiteSteps)
//   VELTRONA_SOAK_MINUTES  instead of a count of seeds, keep going this long
//
// A failure names its seed and keeps the match and its trace for a look.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

#include "module_loader.h"
#include "random_scenario.h"
#include "run_program.h"
#include "scratch_folder.h"
#include "test_files.h"
#include "trace_properties.h"

namespace {

namespace fs = std::filesystem;

constexpr std::uint64_t kSuiteSeeds = 4;
constexpr std::uint64_t kSuiteSteps = 2000;

#if defined(_WIN32)
constexpr char kExecutableSuffix[] = ".exe";
#else
constexpr char kExecutableSuffix[] = "";
#endif

struct Settings {
    std::uint64_t firstSeed = 1;
    std::uint64_t seeds = kSuiteSeeds;
    std::uint64_t steps = kSuiteSteps;
    std::optional<std::chrono::minutes> duration;
};

std::optional<std::uint64_t> environmentNumber(const char* name) {
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') return std::nullopt;
    char* end = nullptr;
    auto value = std::strtoull(text, &end, 10);
    if (*end != '\0') {
        ADD_FAILURE() << name << "=" << text << " is not a whole number; using the default";
        return std::nullopt;
    }
    return value;
}

Settings settings() {
    Settings s;
    if (auto v = environmentNumber("VELTRONA_SOAK_SEED")) s.firstSeed = *v;
    if (auto v = environmentNumber("VELTRONA_SOAK_SEEDS")) s.seeds = *v;
    if (auto v = environmentNumber("VELTRONA_SOAK_STEPS")) s.steps = *v;
    if (auto v = environmentNumber("VELTRONA_SOAK_MINUTES")) s.duration = std::chrono::minutes(*v);
    return s;
}

fs::path runner() { return hostrun::executableDir() / (std::string("veltrona-host") + kExecutableSuffix); }

std::string rerun(std::uint64_t seed, std::uint64_t steps) {
    auto s = std::to_string(seed);
    auto n = std::to_string(steps);
    return "rerun it with VELTRONA_SOAK_SEED=" + s + " VELTRONA_SOAK_SEEDS=1 VELTRONA_SOAK_STEPS=" + n +
           " soak_test, or write the match with: soak_scenario random --seed " + s + " --steps " + n;
}

// Plays one seed's match; true when it held.
bool playSeed(std::uint64_t seed, std::uint64_t steps, const fs::path& work, soak::TraceCounts& total) {
    auto folder = work / ("seed-" + std::to_string(seed));
    // A glyph set of one file that draws no character: the plugin draws glyphs whose files are
    // missing, as it must. Without any set it would set names as text where the machine has fonts.
    fs::create_directories(folder / "data" / "assets" / "png");
    std::ofstream(folder / "data" / "assets" / "png" / "set.png", std::ios::binary) << "png";
    auto scenario = folder / "scenario.json";
    auto trace = folder / "trace.jsonl";
    {
        std::ofstream out(scenario, std::ios::binary);
        out << soak::randomScenario(seed, steps).dump(1) << '\n';
    }

    auto result = runProgram(runner(), {utf8(scenario), "--trace", utf8(trace)}, folder);
    auto where = "seed " + std::to_string(seed) + " (" + std::to_string(steps) +
                 " steps, match and trace in " + utf8(folder) + "); " + rerun(seed, steps);
    // Exit status 0 and nothing on standard error: no sanitizer report, no plugin failure.
    if (result.status != 0 || !result.err.empty()) {
        ADD_FAILURE() << "veltrona-host exited with " << result.status << " for " << where << "\n"
                      << result.err;
        return false;
    }

    soak::TraceCheck check;
    {
        // Closed before the folder goes: Windows removes no open file.
        std::ifstream in(trace, std::ios::binary);
        check = soak::checkTrace(in);
    }
    if (check.fault) {
        ADD_FAILURE() << "trace line " << check.fault->line << ": " << check.fault->what << "\n  "
                      << check.fault->text << "\nfor " << where;
        return false;
    }
    total.lines += check.counts.lines;
    total.loads += check.counts.loads;
    total.drawnFrames += check.counts.drawnFrames;
    total.textures += check.counts.textures;
    total.erasures += check.counts.erasures;
    fs::remove_all(folder);
    return true;
}

TEST(Soak, RandomMatchesKeepEveryTraceProperty) {
    auto s = settings();
    // Kept when a seed fails, with that seed's match and trace; each seed that holds is removed.
    const ScratchFolder work;
    auto start = std::chrono::steady_clock::now();
    auto more = [&](std::uint64_t played) {
        if (s.duration) return std::chrono::steady_clock::now() - start < *s.duration;
        return played < s.seeds;
    };

    soak::TraceCounts total;
    std::uint64_t played = 0;
    std::uint64_t failed = 0;
    for (auto seed = s.firstSeed; more(played); ++seed, ++played) {
        if (!playSeed(seed, s.steps, work.path(), total)) ++failed;
    }

    std::cout << "soak: seeds " << s.firstSeed << " to " << s.firstSeed + played - 1 << " (" << played
              << "), " << played * s.steps << " steps, " << failed << " failed; " << total.loads << " loads, "
              << total.drawnFrames << " frames drawn, " << total.textures << " textures, " << total.erasures
              << " erasures, " << total.lines << " trace lines\n";
    // A run as long as the suite's that never drew would mean the matches no longer reach
    // the overlay, and the properties above were never put to the test.
    if (played * s.steps >= kSuiteSeeds * kSuiteSteps && failed == 0) {
        EXPECT_GT(total.drawnFrames, 0u);
        EXPECT_GT(total.textures, 0u);
        EXPECT_GT(total.erasures, 0u);
    }
}

}  // namespace
