// The index of font folders that finds the system's fonts on Windows, over a folder of test
// fonts: what it finds, which face it takes first, the file it keeps, and that it reads again
// only what changed.

#include "font_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "font_index_faces.h"
#include "font_index_file.h"
#include "font_index_lookup.h"
#include "path_text.h"
#include "system_font_cases.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;

// Two fonts in a folder whose name is not ASCII, so that the index's paths go through wide
// names on Windows; the index kept in a data folder not made yet, as on a first start.
class FontIndexFolder : public testing::Test {
protected:
    FontIndexFolder() {
        fs::create_directories(fonts());
        fs::copy_file(kOldItalicFont, fonts() / kOldItalicCopy);
        fs::copy_file(kRunicFont, fonts() / kRunicCopy);
    }

    fs::path fonts() const { return scratch.path() / "fonts"; }
    fs::path indexFile() const { return scratch.path() / "data" / "veltrona" / "font_index.txt"; }
    std::vector<IndexedFace> update() const {
        const std::vector<fs::path> folders{fonts()};
        return updateFontIndex(folders, indexFile());
    }

    ScratchFolder scratch{"veltrona-font-index-\u540d\u524d"};
};

class FontIndexLookup : public FontIndexFolder, public testing::WithParamInterface<LookupCase> {};

TEST_P(FontIndexLookup, FindsTheFontThatHasThem) {
    const auto found = indexedFontFor(update(), GetParam().chars);
    const auto expected = copyName(GetParam().found);
    ASSERT_EQ(found.has_value(), expected.has_value());
    if (!found) return;
    EXPECT_EQ(found->path, fonts() / *expected);
    EXPECT_TRUE(engineMaps(*found, GetParam().chars.front()));
}

INSTANTIATE_TEST_SUITE_P(Characters, FontIndexLookup, testing::ValuesIn(kLookupCases), lookupCaseName);

TEST_F(FontIndexFolder, TakesFilesByNameWithCaseIgnored) {
    const char32_t both[] = {kNoBreakSpace};
    const auto found = indexedFontFor(update(), both);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, fonts() / kOldItalicCopy);
}

bool sameFace(const IndexedFace& a, const IndexedFace& b) {
    return a.path == b.path && a.faceIndex == b.faceIndex && a.weight == b.weight && a.italic == b.italic &&
           a.family == b.family && a.fileSize == b.fileSize && a.writeTime == b.writeTime &&
           std::equal(
               a.ranges.begin(), a.ranges.end(), b.ranges.begin(), b.ranges.end(),
               [](const CodeRange& x, const CodeRange& y) { return x.first == y.first && x.last == y.last; });
}

TEST_F(FontIndexFolder, KeepsWhatItFoundInItsFile) {
    const auto faces = update();
    const auto kept = parseFontIndex(fileText(indexFile()));
    ASSERT_TRUE(kept);
    ASSERT_EQ(kept->size(), faces.size());
    for (std::size_t i = 0; i < faces.size(); ++i) {
        EXPECT_FALSE(faces[i].ranges.empty()) << i;
        EXPECT_TRUE(sameFace((*kept)[i], faces[i])) << i;
    }
}

TEST_F(FontIndexFolder, WhatIsNotAFontIsPassedOver) {
    writeFile(fonts() / "a-text.ttf", "plain text, named as a font");
    writeFile(fonts() / "b-empty.otf", "");
    fs::create_directories(fonts() / "c-folder.ttc");
    fs::copy_file(kOghamFont, fonts() / "d-ogham.txt");
    const auto faces = update();
    const char32_t rune[] = {kRuneF};
    const auto found = indexedFontFor(faces, rune);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, fonts() / kRunicCopy);
    const char32_t ogham[] = {kOghamB};
    EXPECT_FALSE(indexedFontFor(faces, ogham));
    EXPECT_TRUE(parseFontIndex(fileText(indexFile())));
}

TEST_F(FontIndexFolder, FollowsFilesThatComeAndGo) {
    update();
    fs::remove(fonts() / kOldItalicCopy);
    fs::copy_file(kOghamFont, fonts() / "ogham.otf");
    const auto faces = update();
    const char32_t ogham[] = {kOghamB};
    const auto found = indexedFontFor(faces, ogham);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, fonts() / "ogham.otf");
    const char32_t gone[] = {kOldItalicA};
    EXPECT_FALSE(indexedFontFor(faces, gone));
    EXPECT_EQ(fileText(indexFile()).find(kOldItalicCopy), std::string::npos);
}

TEST_F(FontIndexFolder, AnIndexInMemoryOnlyWritesNothing) {
    const std::vector<fs::path> folders{fonts()};
    const auto faces = updateFontIndex(folders, {});
    const char32_t rune[] = {kRuneF};
    EXPECT_TRUE(indexedFontFor(faces, rune));
    EXPECT_FALSE(fs::exists(indexFile().parent_path()));
}

// An index kept from before in which the runes' font maps only "A": trusted while the file is
// as it was, so a rune is then not found.
std::string staleIndex(std::vector<IndexedFace> faces) {
    for (auto& face : faces) {
        if (face.path.filename() == kRunicCopy) face.ranges = {{U'A', U'A'}};
    }
    return formatFontIndex(faces);
}

struct ChangeCase {
    const char* label;
    std::function<void(const fs::path& runicCopy)> change;
    char32_t asked;
    bool found;

    friend void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.label; }
};

class FontIndexChange : public FontIndexFolder, public testing::WithParamInterface<ChangeCase> {};

TEST_P(FontIndexChange, ReadsAgainOnlyAChangedFile) {
    writeFile(indexFile(), staleIndex(update()));
    GetParam().change(fonts() / kRunicCopy);
    const char32_t asked[] = {GetParam().asked};
    const auto found = indexedFontFor(update(), asked);
    EXPECT_EQ(found.has_value(), GetParam().found);
    if (!found) return;
    EXPECT_EQ(found->path, fonts() / kRunicCopy);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FontIndexChange,
    testing::Values(ChangeCase{"unchanged_is_trusted", [](const fs::path&) {}, kRuneF, false},
                    ChangeCase{"written_again",
                               [](const fs::path& file) {
                                   fs::last_write_time(file,
                                                       fs::last_write_time(file) + std::chrono::hours(1));
                               },
                               kRuneF, true},
                    ChangeCase{"another_size_at_the_same_time",
                               [](const fs::path& file) {
                                   const auto time = fs::last_write_time(file);
                                   // Removed first: MinGW's copy_file refuses any existing
                                   // target on the source's drive, as Windows has no inode
                                   // numbers to tell two files apart by.
                                   fs::remove(file);
                                   fs::copy_file(kOghamFont, file);
                                   fs::last_write_time(file, time);
                               },
                               kOghamB, true}),
    [](const testing::TestParamInfo<ChangeCase>& info) { return std::string(info.param.label); });

// The stale index damaged: were any line of it trusted, the rune would not be found.
struct DamageCase {
    const char* label;
    std::function<std::string(const std::string& stale, const fs::path& runicCopy)> damage;

    friend void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.label; }
};

std::string replaced(std::string text, std::string_view from, std::string_view to) {
    const auto at = text.find(from);
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << from << " in " << text;
        return text;
    }
    return text.replace(at, from.size(), to);
}

constexpr std::string_view kRunicFamilyField = "\tNoto Sans Runic\t";

std::string runicLine(const std::string& stale) {
    const auto field = stale.find("\t41\t");
    const auto start = stale.rfind('\n', field) + 1;
    return stale.substr(start, stale.find('\n', field) + 1 - start);
}

std::string sizeField(const fs::path& file) {
    std::string field(1, '\t');
    field += std::to_string(fs::file_size(file));
    field += '\t';
    return field;
}

class FontIndexDamage : public FontIndexFolder, public testing::WithParamInterface<DamageCase> {};

TEST_P(FontIndexDamage, IsBuiltAnew) {
    writeFile(indexFile(), GetParam().damage(staleIndex(update()), fonts() / kRunicCopy));
    const char32_t rune[] = {kRuneF};
    const auto found = indexedFontFor(update(), rune);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, fonts() / kRunicCopy);
    EXPECT_TRUE(parseFontIndex(fileText(indexFile())));
}

INSTANTIATE_TEST_SUITE_P(
    Files, FontIndexDamage,
    testing::Values(
        DamageCase{"empty", [](const std::string&, const fs::path&) { return std::string(); }},
        DamageCase{"not_text",
                   [](const std::string&, const fs::path&) { return std::string("\0\xff\xfe\n\x01", 5); }},
        DamageCase{
            "the_version_without_styles",
            [](const std::string& s, const fs::path&) { return replaced(s, "index 3\n", "index 1\n"); }},
        DamageCase{
            "the_version_without_families",
            [](const std::string& s, const fs::path&) {
                const auto line = runicLine(s);
                const auto family = line.find(kRunicFamilyField);
                const auto withoutFamily = line.substr(0, family + 1) + line.substr(family + kRunicFamilyField.size());
                return replaced(replaced(s, "index 3\n", "index 2\n"), line, withoutFamily);
            }},
        DamageCase{"a_later_version", [](const std::string& s,
                                         const fs::path&) { return replaced(s, "index 3\n", "index 4\n"); }},
        DamageCase{"cut_off",
                   [](const std::string& s, const fs::path&) { return s.substr(0, s.find("end ")); }},
        DamageCase{"cut_in_a_line",
                   [](const std::string& s, const fs::path&) { return s.substr(0, s.find("\t41\t")); }},
        DamageCase{"count_differs",
                   [](const std::string& s, const fs::path&) { return replaced(s, "end 2", "end 3"); }},
        DamageCase{"lines_after_the_end",
                   [](const std::string& s, const fs::path&) { return s + "0\t1\t2\t\t/elsewhere.ttf\n"; }},
        DamageCase{"a_line_twice",
                   [](const std::string& s, const fs::path&) {
                       return replaced(replaced(s, "index 3\n", "index 3\n" + runicLine(s)), "end 2",
                                       "end 3");
                   }},
        DamageCase{"a_field_missing",
                   [](const std::string& s, const fs::path&) { return replaced(s, "\t41\t", "\t"); }},
        DamageCase{"no_path",
                   [](const std::string& s, const fs::path&) {
                       const auto line = runicLine(s);
                       return replaced(s, line, line.substr(0, line.find("\t41\t") + 4) + "\n");
                   }},
        DamageCase{"size_not_a_number",
                   [](const std::string& s, const fs::path& file) {
                       return replaced(s, sizeField(file), "\t4x\t");
                   }},
        DamageCase{"weight_not_a_number",
                   [](const std::string& s, const fs::path&) { return replaced(s, "\t400\t", "\tbold\t"); }},
        DamageCase{"weight_beyond_the_scale",
                   [](const std::string& s, const fs::path&) { return replaced(s, "\t400\t", "\t1001\t"); }},
        DamageCase{"no_weight",
                   [](const std::string& s, const fs::path&) { return replaced(s, "\t400\t", "\t0\t"); }},
        DamageCase{
            "slant_unknown",
            [](const std::string& s, const fs::path&) { return replaced(s, "\tupright\t", "\toblique\t"); }},
        DamageCase{"negative_face",
                   [](const std::string& s, const fs::path&) { return replaced(s, "\n0\t", "\n-1\t"); }},
        DamageCase{"face_beyond_any_collection",
                   [](const std::string& s, const fs::path&) { return replaced(s, "\n0\t", "\n99999\t"); }},
        DamageCase{"range_backwards",
                   [](const std::string& s, const fs::path&) { return replaced(s, "\t41\t", "\t42-41\t"); }},
        DamageCase{"ranges_out_of_order",
                   [](const std::string& s, const fs::path&) { return replaced(s, "\t41\t", "\t41,30\t"); }},
        DamageCase{
            "ranges_overlap",
            [](const std::string& s, const fs::path&) { return replaced(s, "\t41\t", "\t30-41,41-50\t"); }},
        DamageCase{"beyond_unicode", [](const std::string& s,
                                        const fs::path&) { return replaced(s, "\t41\t", "\t41,110000\t"); }},
        DamageCase{"range_without_end",
                   [](const std::string& s, const fs::path&) { return replaced(s, "\t41\t", "\t41-\t"); }},
        DamageCase{"not_hexadecimal",
                   [](const std::string& s, const fs::path&) { return replaced(s, "\t41\t", "\t4g\t"); }},
        DamageCase{"family_escape_cut_off",
                   [](const std::string& s, const fs::path&) {
                       return replaced(s, kRunicFamilyField, "\tNoto%4\t");
                   }},
        DamageCase{"family_escape_not_hexadecimal",
                   [](const std::string& s, const fs::path&) {
                       return replaced(s, kRunicFamilyField, "\tNoto%zz\t");
                   }},
        DamageCase{"path_not_utf8",
                   [](const std::string& s, const fs::path&) {
                       return replaced(s, kRunicFamilyField, std::string(kRunicFamilyField) + "\xff\xfe/");
                   }}),
    [](const testing::TestParamInfo<DamageCase>& info) { return std::string(info.param.label); });

struct MainFontCase {
    const char* label;
    std::vector<std::string_view> preferred;
    const char* found;

    friend void PrintTo(const MainFontCase& c, std::ostream* os) { *os << c.label; }
};

class FontIndexMainFont : public FontIndexFolder, public testing::WithParamInterface<MainFontCase> {};

// The runes' font has no Latin letters: taken only when named. DejaVu Sans, named last by file,
// is the one with the Basic Latin letters.
TEST_P(FontIndexMainFont, TakesTheFirstPreferredThenLatinLetters) {
    fs::copy_file(kLatinFont, fonts() / "zz-latin.ttf");
    writeFile(fonts() / "broken.ttf", "not a font");
    const auto found = indexedMainFont(update(), GetParam().preferred);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->path, fonts() / GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Fonts, FontIndexMainFont,
    testing::Values(
        MainFontCase{"first_preferred_present", {"segoeui.ttf", "VELTRONA-RUNIC.ttf"}, kRunicCopy},
        MainFontCase{
            "preferred_order_over_file_order", {"zz-latin.ttf", "veltrona-old-italic.ttf"}, "zz-latin.ttf"},
        MainFontCase{"preferred_but_not_a_font", {"broken.ttf"}, "zz-latin.ttf"},
        MainFontCase{"none_preferred_present", {"segoeui.ttf", "tahoma.ttf"}, "zz-latin.ttf"}),
    [](const testing::TestParamInfo<MainFontCase>& info) { return std::string(info.param.label); });

class FontIndexFamily : public FontIndexFolder, public testing::WithParamInterface<FamilyCase> {};

// Beside the fonts of the folder, a family whose bold face comes first by file name.
TEST_P(FontIndexFamily, FindsTheFamilysRegularFace) {
    // Not copy_options::skip_existing: MinGW's copy_file fails on an existing target on the
    // source's drive rather than skip it.
    for (const auto& font : kFamilyFonts) {
        if (!fs::exists(fonts() / font.copy)) fs::copy_file(font.font, fonts() / font.copy);
    }
    writeFile(fonts() / "broken.ttf", "not a font");
    // The fonts read, then the index kept of them read back.
    const auto read = update();
    const auto kept = update();
    for (const auto* faces : {&read, &kept}) {
        SCOPED_TRACE(faces == &read ? "read" : "kept");
        const auto found = indexedFontOfFamily(*faces, GetParam().family);
        ASSERT_EQ(found.has_value(), GetParam().found != nullptr);
        if (!found) continue;
        EXPECT_EQ(found->path, fonts() / GetParam().found);
    }
}

INSTANTIATE_TEST_SUITE_P(Families, FontIndexFamily, testing::ValuesIn(kFamilyCases), familyCaseName);

// A family's name is the font's to choose: none of its characters may break the line it is on.
TEST(FontIndexFile, KeepsAFamilyWithAnyCharacters) {
    IndexedFace face;
    face.path = pathFromUtf8("/fonts/odd.ttf");
    face.family = "100%\tab\there\r\nnext\x7f\x01 \u540d";
    const auto kept = parseFontIndex(formatFontIndex({face}));
    ASSERT_TRUE(kept);
    ASSERT_EQ(kept->size(), 1u);
    EXPECT_EQ(kept->front().family, face.family);
    EXPECT_EQ(kept->front().path, face.path);
}

// Faces of one family whose bold or italic ones sort first by file name. Debian has few
// weights besides regular and bold: the others are copies with their OS/2 weight class written
// over, which FreeType takes as it is (it checks no table's checksum).
constexpr char kSansRegular[] = "/usr/share/fonts/truetype/noto/NotoSans-Regular.ttf";
constexpr char kSansBold[] = "/usr/share/fonts/truetype/noto/NotoSans-Bold.ttf";
constexpr char kSansItalic[] = "/usr/share/fonts/truetype/noto/NotoSans-Italic.ttf";
constexpr char kSansBoldItalic[] = "/usr/share/fonts/truetype/noto/NotoSans-BoldItalic.ttf";

constexpr std::size_t kTableCountAt = 4;
constexpr std::size_t kTableRecordsAt = 12;
constexpr std::size_t kTableRecordSize = 16;
constexpr std::size_t kTableOffsetInRecord = 8;
constexpr std::size_t kWeightClassInOs2 = 4;
constexpr std::string_view kOs2Tag = "OS/2";
constexpr int kBitsPerByte = 8;

std::uint32_t bigEndian(const std::string& bytes, std::size_t at, std::size_t size) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < size; ++i)
        value = value << kBitsPerByte | static_cast<unsigned char>(bytes.at(at + i));
    return value;
}

void setWeightClass(std::string& font, std::uint16_t weight) {
    const auto tables = bigEndian(font, kTableCountAt, sizeof(std::uint16_t));
    for (std::uint32_t i = 0; i < tables; ++i) {
        const auto record = kTableRecordsAt + i * kTableRecordSize;
        if (font.compare(record, kOs2Tag.size(), kOs2Tag) != 0) continue;
        const auto at =
            bigEndian(font, record + kTableOffsetInRecord, sizeof(std::uint32_t)) + kWeightClassInOs2;
        font.at(at) = static_cast<char>(weight >> kBitsPerByte);
        font.at(at + 1) = static_cast<char>(weight);
        return;
    }
    ADD_FAILURE() << "no OS/2 table";
}

struct StyledFont {
    const char* copy;
    const char* font;
    std::optional<std::uint16_t> weightClass;  // written over the font's own
};

struct StyleCase {
    const char* label;
    std::vector<StyledFont> fonts;
    const char* found;

    friend void PrintTo(const StyleCase& c, std::ostream* os) { *os << c.label; }
};

class FontIndexStyle : public FontIndexFolder, public testing::WithParamInterface<StyleCase> {};

// Beside the runes' and Old Italic fonts, regular faces without Latin letters.
TEST_P(FontIndexStyle, TakesTheMostRegularFaceThatHasThem) {
    for (const auto& font : GetParam().fonts) {
        auto bytes = fileText(font.font);
        if (font.weightClass) setWeightClass(bytes, *font.weightClass);
        writeFile(fonts() / font.copy, bytes);
    }
    // The fonts read, then the index kept of them read back.
    const auto read = update();
    const auto kept = update();
    const char32_t latin[] = {U'A'};
    for (const auto* faces : {&read, &kept}) {
        SCOPED_TRACE(faces == &read ? "read" : "kept");
        const auto found = indexedFontFor(*faces, latin);
        ASSERT_TRUE(found);
        EXPECT_EQ(found->path, fonts() / GetParam().found);
        const auto main = indexedMainFont(*faces, {});
        ASSERT_TRUE(main);
        EXPECT_EQ(main->path, fonts() / GetParam().found);
    }
}

constexpr std::uint16_t kThin = 100;
constexpr std::uint16_t kLight = 300;
constexpr std::uint16_t kMedium = 500;
constexpr std::uint16_t kRegularOnTheShortScale = 4;
constexpr std::uint16_t kNoWeightClass = 0;

INSTANTIATE_TEST_SUITE_P(
    Faces, FontIndexStyle,
    testing::Values(
        StyleCase{"regular_after_bold_by_name",
                  {{"a-bold.ttf", kLatinBoldFont, {}}, {"b-regular.ttf", kLatinFont, {}}},
                  "b-regular.ttf"},
        StyleCase{"regular_after_italic_by_name",
                  {{"a-italic.ttf", kSansItalic, {}}, {"b-regular.ttf", kSansRegular, {}}},
                  "b-regular.ttf"},
        StyleCase{"upright_bold_before_italic",
                  {{"a-italic.ttf", kSansItalic, {}},
                   {"b-bold-italic.ttf", kSansBoldItalic, {}},
                   {"c-bold.ttf", kSansBold, {}}},
                  "c-bold.ttf"},
        StyleCase{"nearest_weight_without_a_regular",
                  {{"a-thin.ttf", kSansRegular, kThin},
                   {"b-bold.ttf", kSansBold, {}},
                   {"c-light.ttf", kSansRegular, kLight}},
                  "c-light.ttf"},
        StyleCase{"medium_before_light_as_near",
                  {{"a-light.ttf", kSansRegular, kLight}, {"b-medium.ttf", kSansRegular, kMedium}},
                  "b-medium.ttf"},
        StyleCase{"weight_class_on_the_short_scale",
                  {{"a-medium.ttf", kSansRegular, kMedium},
                   {"b-regular.ttf", kSansRegular, kRegularOnTheShortScale}},
                  "b-regular.ttf"},
        StyleCase{"no_weight_class_goes_by_the_bold_flag",
                  {{"a-regular.ttf", kSansRegular, kNoWeightClass}, {"b-medium.ttf", kSansRegular, kMedium}},
                  "a-regular.ttf"},
        StyleCase{"a_bold_face_that_has_them", {{"a-bold.ttf", kLatinBoldFont, {}}}, "a-bold.ttf"}),
    [](const testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.label); });

// A collection: each of its faces, by its number in the file.
TEST(FontIndexFaces, ReadsEveryFaceOfACollection) {
    FT_Library lib = nullptr;
    ASSERT_EQ(FT_Init_FreeType(&lib), 0);
    const fs::path collection = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
    const auto faces = readFontFaces(lib, collection);
    FT_Done_FreeType(lib);
    ASSERT_GT(faces.size(), 1u);
    for (std::size_t i = 0; i < faces.size(); ++i) {
        EXPECT_EQ(faces[i].faceIndex, static_cast<long>(i));
        EXPECT_TRUE(mapsChar(faces[i], U'\u3042'));
        EXPECT_TRUE(engineMaps({collection, faces[i].faceIndex}, U'\u3042'));
    }
}

}  // namespace
