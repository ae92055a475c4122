// The system's fonts through fontconfig: a configuration of the test's own, through
// FONTCONFIG_FILE, that knows only the test fonts; and the machine's own configuration.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "system_font_cases.h"
#include "system_fonts.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;

constexpr char kConfigVariable[] = "FONTCONFIG_FILE";

// FONTCONFIG_FILE names the test's configuration while the test runs; its cache stays in the
// scratch folder too.
class TestFontconfig : public testing::Test {
protected:
    explicit TestFontconfig(const std::vector<FontToCopy>& placed = {{kOldItalicFont, kOldItalicCopy},
                                                                     {kRunicFont, kRunicCopy}}) {
        fs::create_directories(fonts());
        for (const auto& font : placed) fs::copy_file(font.font, fonts() / font.copy);
        const auto config = scratch.path() / "fonts.conf";
        writeFile(config,
                  "<?xml version=\"1.0\"?>\n"
                  "<!DOCTYPE fontconfig SYSTEM \"urn:fontconfig:fonts.dtd\">\n"
                  "<fontconfig>\n"
                  "  <dir>" +
                      fonts().string() +
                      "</dir>\n"
                      "  <cachedir>" +
                      (scratch.path() / "cache").string() +
                      "</cachedir>\n"
                      "</fontconfig>\n");
        if (const char* was = std::getenv(kConfigVariable)) previous = was;
        setenv(kConfigVariable, config.c_str(), 1);
    }
    ~TestFontconfig() override {
        if (previous) {
            setenv(kConfigVariable, previous->c_str(), 1);
        } else {
            unsetenv(kConfigVariable);
        }
    }

    fs::path fonts() const { return scratch.path() / "fonts"; }

    ScratchFolder scratch{"veltrona-fontconfig"};
    std::optional<std::string> previous;
};

class FontconfigLookup : public TestFontconfig, public testing::WithParamInterface<LookupCase> {};

TEST_P(FontconfigLookup, FindsTheFontThatHasThem) {
    SystemFonts system;
    const auto found = system.fontFor(GetParam().chars);
    const auto expected = copyName(GetParam().found);
    ASSERT_EQ(found.has_value(), expected.has_value());
    if (!found) return;
    EXPECT_EQ(found->path, fonts() / *expected);
    EXPECT_TRUE(engineMaps(*found, GetParam().chars.front()));
}

INSTANTIATE_TEST_SUITE_P(Characters, FontconfigLookup, testing::ValuesIn(kLookupCases), lookupCaseName);

class FontconfigFamily : public TestFontconfig, public testing::WithParamInterface<FamilyCase> {
protected:
    FontconfigFamily() : TestFontconfig(kFamilyFonts) {}
};

TEST_P(FontconfigFamily, FindsTheFamilysRegularFace) {
    const auto found = SystemFonts().fontOfFamily(GetParam().family);
    ASSERT_EQ(found.has_value(), GetParam().found != nullptr);
    if (!found) return;
    EXPECT_EQ(found->path, fonts() / GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(Families, FontconfigFamily, testing::ValuesIn(kFamilyCases), familyCaseName);

TEST_F(TestFontconfig, TheMainFontIsOneOfItsFonts) {
    const auto found = SystemFonts().mainFont();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path.parent_path(), fonts());
}

// Each object has a configuration of its own: fonts added for a later one are found by it,
// as by a plugin loaded again.
TEST_F(TestFontconfig, EachObjectReadsTheConfigurationAnew) {
    const char32_t ogham[] = {kOghamB};
    EXPECT_FALSE(SystemFonts().fontFor(ogham));
    fs::copy_file(kOghamFont, fonts() / "ogham.ttf");
    // fontconfig sees that a folder changed by its time, which a copy made soon after the
    // cache may leave as it was on a file system with coarse times.
    fs::last_write_time(fonts(), fs::last_write_time(fonts()) + std::chrono::seconds(2));
    const auto found = SystemFonts().fontFor(ogham);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, fonts() / "ogham.ttf");
}

// The machine's configuration and Debian's fonts (.ci/install-deps): a kana in Noto Sans CJK,
// a face of a collection the engine opens by the number fontconfig gives.
TEST(MachineFontconfig, FindsAFontForKanaAndAMainFont) {
    SystemFonts system;
    const char32_t kana[] = {U'\u3042'};
    const auto found = system.fontFor(kana);
    ASSERT_TRUE(found);
    EXPECT_TRUE(engineMaps(*found, kana[0]));
    const auto main = system.mainFont();
    ASSERT_TRUE(main);
    EXPECT_TRUE(engineMaps(*main, U'A'));
}

// The family as Debian's configuration, with its aliases and languages, names it.
TEST(MachineFontconfig, FindsAFamilysRegularFace) {
    const auto found = SystemFonts().fontOfFamily("DEJAVU SANS");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, kLatinFont);
}

}  // namespace
