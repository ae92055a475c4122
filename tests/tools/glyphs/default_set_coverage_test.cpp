// The default set against the names players really have (examples/lobby_names.txt): nearly
// every name is drawn whole from it, and each of the sets made for those names is needed.
// Counted by characters here; CI counts the files the built set has.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "char_sets.h"
#include "drawn_glyphs.h"
#include "glyph_file.h"

namespace {

constexpr double kRequiredPercent = 99.0;

std::vector<std::string> lobbyNames() {
    std::ifstream in(std::string(VELTRONA_SOURCE_DIR) + "/examples/lobby_names.txt", std::ios::binary);
    std::vector<std::string> names;
    for (std::string line; std::getline(in, line);) names.push_back(line);
    return names;
}

std::set<CodePoint> charactersOf(const std::vector<std::string>& sets) {
    std::set<CodePoint> characters;
    for (const auto& set : sets) {
        for (auto cp : characterSet(set)) characters.insert(cp);
    }
    return characters;
}

// The share of names whose every drawn character is in the sets, in percent.
double drawnWhole(const std::vector<std::string>& names, const std::set<CodePoint>& characters) {
    std::size_t whole = 0;
    for (const auto& name : names) {
        const auto codes = drawnGlyphCodes(name);
        whole += std::all_of(codes.begin(), codes.end(), [&](const std::string& code) {
            const auto character = characterOfGlyphCode(code);
            return character && characters.contains(*character);
        });
    }
    return 100.0 * static_cast<double>(whole) / static_cast<double>(names.size());
}

TEST(DefaultSet, DrawsNearlyEveryLobbyNameWhole) {
    const auto names = lobbyNames();
    ASSERT_GE(names.size(), 300u);
    EXPECT_GE(drawnWhole(names, charactersOf(defaultCharacterSets())), kRequiredPercent);
}

class WithoutASet : public testing::TestWithParam<std::string> {};

// Each set is there for names players have: without it the bar is missed.
TEST_P(WithoutASet, MissesTheBar) {
    auto sets = defaultCharacterSets();
    ASSERT_NE(std::find(sets.begin(), sets.end(), GetParam()), sets.end());
    std::erase(sets, GetParam());
    EXPECT_LT(drawnWhole(lobbyNames(), charactersOf(sets)), kRequiredPercent);
}

INSTANTIATE_TEST_SUITE_P(Sets, WithoutASet,
                         testing::Values("latin-more", "phonetic", "symbols", "math-letters", "scripts",
                                         "chinese", "emoji"),
                         [](const auto& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
