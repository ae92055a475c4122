#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "default_fonts.h"
#include "scratch_folder.h"

namespace {

constexpr char kCjkFont[] = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
constexpr char kTextFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr char kEmojiFont[] = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";

TEST(DefaultFallbacks, SkipFontsThatAreNotInstalledAndNameTheirPackage) {
    const DefaultFallback fonts[] = {{"/no/such/Emoji.ttf", "fonts-no-such-emoji"},
                                     {kTextFont, "fonts-dejavu-core"}};
    auto choice = installedFallbacks(fonts);
    ASSERT_EQ(choice.installed.size(), 1u);
    EXPECT_EQ(choice.installed[0].path, kTextFont);
    ASSERT_EQ(choice.missing.size(), 1u);
    EXPECT_STREQ(choice.missing[0].package, "fonts-no-such-emoji");
}

// Which font draws what, as the summary tells: Ł (U+0141) only DejaVu Sans has, 😀 only a
// colour font draws in colour, and ❤ (U+2764), text by default, both fallbacks have.
struct ChainCase {
    const char* label;
    std::vector<std::string> fontArgs;
    std::vector<std::string> shows;

    friend void PrintTo(const ChainCase& c, std::ostream* os) { *os << c.label; }
};

class FontChain : public testing::TestWithParam<ChainCase> {};

TEST_P(FontChain, DrawsEachCharacterFromTheFontThatHasIt) {
    const auto& c = GetParam();
    ScratchFolder data;
    std::vector<std::string> args = {"veltrona-glyphs",    "build", "-d",
                                     data.path().string(), "-c",    "U+41,U+141,U+1F600,U+2764"};
    args.insert(args.end(), c.fontArgs.begin(), c.fontArgs.end());
    std::vector<const char*> argv;
    for (const auto& arg : args) argv.push_back(arg.c_str());

    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(runCli(static_cast<int>(argv.size()), argv.data(), out, err, false), 0) << err.str();
    for (const auto& line : c.shows) EXPECT_NE(out.str().find(line), std::string::npos) << out.str();
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FontChain,
    testing::Values(ChainCase{"no_font_given_uses_the_default_chain",
                              {},
                              {"Wrote 4", "2 of them from the fallback DejaVu Sans",
                               "1 of them from the fallback Noto Color Emoji"}},
                    // A font of one's own means that font alone.
                    ChainCase{
                        "given_font_alone", {"--font", kCjkFont}, {"Wrote 1", "U+0141, U+2764, U+1F600"}},
                    // Given fallbacks replace the default ones, in the given order.
                    ChainCase{"given_fallbacks_in_their_order",
                              {"--fallback", kEmojiFont, "--fallback", kTextFont},
                              {"Wrote 4", "2 of them from the fallback Noto Color Emoji",
                               "1 of them from the fallback DejaVu Sans"}},
                    ChainCase{"given_fallback_replaces_the_defaults",
                              {"--fallback", kEmojiFont},
                              {"Wrote 3", "2 of them from the fallback Noto Color Emoji", "U+0141"}}));

}  // namespace
