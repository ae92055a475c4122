// Splitting a name into glyph codes, against plain UTF-8 decoding of the same bytes as the
// baseline. Compare the two per name (or per byte): the splitter also builds a string per
// glyph and the list that holds them, where the decode only computes code points.

#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "glyph_code_splitter.h"

namespace {

// Sixteen characters each.
const std::string kAsciiName = "PlayerOne_Rx2024";
const std::string kJapaneseName = "ひかりのせんしゃとよるのうみかぜ";
const std::string kMixedName = "Zoë_桜🌸Ami★ñ한글😀x9";

void splitName(benchmark::State& state, const std::string& name) {
    for (auto _ : state) {
        auto codes = GlyphCodeSplitter{}.split(name);
        benchmark::DoNotOptimize(codes.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * name.size()));
}

// The lead byte announces the length; its payload bits and six from each following byte
// make the code point. Names here are valid, so nothing is checked.
std::uint32_t decodeAll(std::string_view bytes) {
    std::uint32_t digest = 0;
    std::size_t i = 0;
    while (i < bytes.size()) {
        auto lead = static_cast<unsigned char>(bytes[i]);
        std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t codePoint = length == 1 ? lead : lead & (0x7Fu >> length);
        for (std::size_t k = 1; k < length; ++k) {
            codePoint = (codePoint << 6) | (static_cast<unsigned char>(bytes[i + k]) & 0x3Fu);
        }
        benchmark::DoNotOptimize(codePoint);
        digest += codePoint;
        i += length;
    }
    return digest;
}

void decodeName(benchmark::State& state, const std::string& name) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(decodeAll(name));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * name.size()));
}

BENCHMARK_CAPTURE(splitName, ascii, kAsciiName);
BENCHMARK_CAPTURE(decodeName, ascii, kAsciiName);
BENCHMARK_CAPTURE(splitName, japanese, kJapaneseName);
BENCHMARK_CAPTURE(decodeName, japanese, kJapaneseName);
BENCHMARK_CAPTURE(splitName, mixed, kMixedName);
BENCHMARK_CAPTURE(decodeName, mixed, kMixedName);

}  // namespace

BENCHMARK_MAIN();
