// Names set as text at the 1080p row height: 1,000 names of a realistic mix of the scripts
// and decorations lobbies show, each timed, with the median and the worst reported, and the
// memory the engine holds.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "name_image.h"
#include "text_fonts.h"

namespace {

constexpr int kRowHeight = 57;
constexpr std::size_t kNames = 1000;

const std::vector<FontSource>& debianChain() {
    static const std::vector<FontSource> chain = {
        {"/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", 0},
        {"/usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf", 0},
        {"/usr/share/fonts/truetype/noto/NotoSansHebrew-Regular.ttf", 0},
        {"/usr/share/fonts/truetype/noto/NotoSansThai-Regular.ttf", 0},
        {"/usr/share/fonts/truetype/noto/NotoSansDevanagari-Regular.ttf", 0},
        {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0},
        {"/usr/share/fonts/truetype/noto/NotoSansMath-Regular.ttf", 0},
        {"/usr/share/fonts/truetype/noto/NotoSansSymbols2-Regular.ttf", 0},
        {"/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf", 0}};
    return chain;
}

// Stems of each kind and the decorations gamers add, combined into distinct names.
std::vector<std::string> lobbyNames() {
    const std::array<const char*, 24> stems = {
        "Rex",      "xXSniperXx", "Zoë",         "Łukasz",     "Ваня",       "Дмитрий",
        "たなか",   "ゆうき",     "山田太郎",    "김민수",     "이지은",     "张伟",
        "東方不败", "علي",        "محمد الأحمد", "שלום",       "น้องแมว",     "प्रिया",
        "𝓐𝓵𝓮𝔁",     "ᴋɪɴɢ",       "Player One",  "Ali علي 12", "Kötü Çocuk", "Nguyễn Văn"};
    const std::array<const char*, 10> decorations = {
        "", "🔥", "★", "🇯🇵", "👍🏽", "_99", "꧁", "♛", "👨‍👩‍👧", "1️⃣"};
    std::vector<std::string> names;
    for (std::size_t i = 0; names.size() < kNames; ++i) {
        const std::string stem = stems[i % stems.size()];
        const std::string decoration = decorations[(i / stems.size()) % decorations.size()];
        names.push_back(i % 2 == 0 ? stem + decoration : decoration + stem + std::to_string(i % 97));
    }
    return names;
}

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_SetLobbyNames(benchmark::State& state) {
    const auto names = lobbyNames();
    const long residentBefore = peakResidentKilobytes();
    TextFonts fonts(debianChain());
    std::vector<double> micros;
    micros.reserve(names.size());
    resetPeakLiveBytes();
    const std::size_t liveBefore = liveBytes();
    for (auto _ : state) {
        micros.clear();
        for (const auto& name : names) {
            const auto start = std::chrono::steady_clock::now();
            auto set = setName(fonts, name, kRowHeight);
            benchmark::DoNotOptimize(set.image.rgba.data());
            micros.push_back(
                std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["names"] = static_cast<double>(names.size());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["worst_us"] = micros.back();
    state.counters["peak_heap_KiB"] = static_cast<double>(peakLiveBytes() - liveBefore) / 1024;
    state.counters["resident_growth_KiB"] = static_cast<double>(peakResidentKilobytes() - residentBefore);
}
BENCHMARK(BM_SetLobbyNames)->Unit(benchmark::kMillisecond)->Iterations(3);

// The hostile name of the plugin's tests, 1.75 MiB, set as text.
void BM_SetAHostileName(benchmark::State& state) {
    std::string name;
    while (name.size() < 1835008) name += "\u00E9\u3042\xFF\U0001F600";
    TextFonts fonts(debianChain());
    resetPeakLiveBytes();
    const std::size_t liveBefore = liveBytes();
    for (auto _ : state) {
        auto set = setName(fonts, name, kRowHeight);
        benchmark::DoNotOptimize(set.image.rgba.data());
    }
    state.counters["peak_heap_KiB"] = static_cast<double>(peakLiveBytes() - liveBefore) / 1024;
}
BENCHMARK(BM_SetAHostileName)->Unit(benchmark::kMillisecond);

}  // namespace
