// Which fonts text mode sets names with: the player's list, or the system's default chain.

#include "font_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "debian_fonts.h"
#include "default_fonts.h"
#include "path_text.h"
#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

struct Font {
    fs::path path;
    long face;
    bool operator==(const Font&) const = default;
};

std::vector<Font> fontsOf(const FontList& list) {
    std::vector<Font> fonts;
    for (const auto& font : list.fonts) fonts.push_back({font.source.path, font.source.faceIndex});
    return fonts;
}

// One line each, the last without a line end.
std::string lines(const std::vector<std::string>& each) {
    std::string text;
    for (const auto& line : each) text += (text.empty() ? "" : "\n") + line;
    return text;
}

// The name of the test font's copy beside the list's folder.
constexpr char kLocalFontName[] = "DejaVuSans.ttf";

class FontListFolder : public testing::Test {
protected:
    FontListFolder() { fs::create_directories(own()); }

    fs::path own() const { return data.path() / "veltrona"; }

    void writeList(const std::string& text) const {
        EXPECT_EQ(fontListFile(data.path()), own() / "fonts.txt");
        std::ofstream(own() / "fonts.txt", std::ios::binary) << text;
    }

    // A font in the scratch folder, as UTF-8: Debian's own paths name no drive under Wine.
    std::string localFont() const {
        const auto font = data.path() / kLocalFontName;
        if (!fs::exists(font)) fs::copy_file(kDejaVuSans, font);
        return displayText(font);
    }

    ScratchFolder data;
};

TEST_F(FontListFolder, GivesTheListedFontsThatExist) {
    // A relative path is the list's folder's; the name is not ASCII, which Windows reads
    // right only as UTF-8.
    const std::string mine =
        "mine/\xC3\xB1"
        "ame.ttf";
    const auto relative = own() / pathFromUtf8(mine);
    fs::create_directories(relative.parent_path());
    fs::copy_file(kDejaVuSans, relative);
    const auto absolute = data.path() / "elsewhere.ttc";
    fs::copy_file(kNotoSansCjk, absolute);
    const auto elsewhere = displayText(absolute);
    writeList(lines({"\xEF\xBB\xBF# my fonts\r", mine + "\r", "\r", "   ", "  " + elsewhere + " | 2 ",
                     "gone.ttf", "#" + elsewhere, "mine", mine + "|x", elsewhere + "|-1"}));
    const auto list = chosenFonts(data.path());
    EXPECT_TRUE(list.fromFile);
    EXPECT_EQ(fontsOf(list), (std::vector<Font>{{relative, 0}, {absolute, 2}}));
    EXPECT_EQ(list.problems, (std::vector<std::string>{
                                 "fonts.txt line 6: \"gone.ttf\" not found",
                                 "fonts.txt line 8: \"mine\" is not a file",
                                 "fonts.txt line 9: \"" + mine + "|x\" not found",
                                 "fonts.txt line 10: \"" + elsewhere + "|-1\" not found",
                             }));
}

// Lists as players write them: saved by Notepad in another encoding, paths quoted by
// Explorer's "Copy as path", one font named over and over, thousands of lines.
struct PlayerListCase {
    const char* label;
    std::string (*text)(const std::string& font);  // given a font's path as UTF-8
    std::size_t fonts;
    std::vector<std::string> problems;

    friend void PrintTo(const PlayerListCase& c, std::ostream* os) { *os << c.label; }
};

class PlayerLists : public FontListFolder, public testing::WithParamInterface<PlayerListCase> {};

TEST_P(PlayerLists, GiveWhatServesAndSayWhatDoesNot) {
    const auto& c = GetParam();
    writeList(c.text(localFont()));
    const auto list = chosenFonts(data.path());
    EXPECT_EQ(list.fonts.size(), c.fonts);
    EXPECT_EQ(list.problems, c.problems);
}

std::string repeated(const std::string& line, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += line + "\n";
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    FontList, PlayerLists,
    testing::Values(
        PlayerListCase{"ansi_line", [](const std::string& font) { return "caf\xE9.ttf\n" + font + "\n"; }, 1,
                       {"fonts.txt line 1: not UTF-8; save it as UTF-8"}},
        PlayerListCase{"utf16_with_mark", [](const std::string&) { return std::string("\xFF\xFEx\0.\0t\0", 8); }, 0,
                       {"fonts.txt is saved as UTF-16 (Notepad's \"Unicode\") and is not read; save it as UTF-8 "
                        "(Notepad: Save as, Encoding: UTF-8)"}},
        PlayerListCase{"utf16_without_mark", [](const std::string&) { return std::string("x\0.\0t\0", 6); }, 0,
                       {"fonts.txt is saved as UTF-16 (Notepad's \"Unicode\") and is not read; save it as UTF-8 "
                        "(Notepad: Save as, Encoding: UTF-8)"}},
        PlayerListCase{"quoted", [](const std::string& font) { return "\"" + font + "\"\n \"" + font + "\" |1\n"; },
                       2, {}},
        // Relative to the list's folder, so that 500 lines stay within the list's 64 KiB
        // however deep the test's folder lies.
        PlayerListCase{"the_same_font_500_times",
                       [](const std::string&) { return repeated(std::string("../") + kLocalFontName, 500); }, 1, {}}),
    [](const auto& info) { return std::string(info.param.label); });

// A line naming a family rather than a file is looked up among the installed fonts; a path
// or a font file's name never is.
TEST_F(FontListFolder, AFamilyNameIsLookedUpAmongTheInstalledFonts) {
    writeList("Some Family\nNo Such Family\nmissing.ttf\nsub/Some Family\n");
    std::vector<std::string> asked;
    const auto list = chosenFonts(data.path(), [&](std::string_view family) -> std::optional<FontSource> {
        asked.emplace_back(family);
        if (family != "Some Family") return std::nullopt;
        return FontSource{kDejaVuSans, 0};
    });
    EXPECT_EQ(asked, (std::vector<std::string>{"Some Family", "No Such Family"}));
    EXPECT_EQ(fontsOf(list), (std::vector<Font>{{kDejaVuSans, 0}}));
    EXPECT_EQ(list.problems, (std::vector<std::string>{
                                 "fonts.txt line 2: no installed font of the family \"No Such Family\"",
                                 "fonts.txt line 3: \"missing.ttf\" not found",
                                 "fonts.txt line 4: \"sub/Some Family\" not found",
                             }));
}

TEST_F(FontListFolder, FontsPastTheBoundAreLeftOutWithOneLine) {
    std::string text;
    for (int i = 0; i < 70; ++i) text += localFont() + "|" + std::to_string(i) + "\n";
    writeList(text);
    const auto list = chosenFonts(data.path());
    EXPECT_EQ(list.fonts.size(), kMaxListedFonts);
    EXPECT_EQ(list.problems,
              std::vector<std::string>{"fonts.txt: only the first 64 fonts are used; 6 more are left out"});
}

TEST_F(FontListFolder, AListOfMissingFontsGivesNone) {
    writeList("a.ttf\nb.ttc|1\n");
    const auto list = chosenFonts(data.path());
    EXPECT_TRUE(list.fromFile);
    EXPECT_TRUE(list.fonts.empty());
    EXPECT_EQ(list.problems, (std::vector<std::string>{"fonts.txt line 1: \"a.ttf\" not found",
                                                       "fonts.txt line 2: \"b.ttc\" not found"}));
}

TEST_F(FontListFolder, AListThatIsNoFileGivesNone) {
    fs::create_directory(own() / "fonts.txt");
    const auto list = chosenFonts(data.path());
    EXPECT_TRUE(list.fromFile);
    EXPECT_TRUE(list.fonts.empty());
    EXPECT_EQ(list.problems, std::vector<std::string>{"fonts.txt: not a regular file"});
}

TEST_F(FontListFolder, WithoutAListTheDefaultChainsInstalledFonts) {
    const auto list = chosenFonts(data.path());
    EXPECT_FALSE(list.fromFile);
    EXPECT_TRUE(list.problems.empty());
    const auto installed = findDefaultFonts(defaultFontChain()).installed;
#if !defined(_WIN32)
    // Debian's fonts are installed here; Wine's Windows folder may hold none of Windows' own.
    ASSERT_FALSE(installed.empty());
#endif
    std::vector<Font> expected;
    for (const auto& font : installed) expected.push_back({font.path, font.faceIndex});
    EXPECT_EQ(fontsOf(list), expected);
}

}  // namespace
