// The system's fonts on Windows, under Wine: test fonts placed in the fonts folders Windows
// installs to, found through the index, and taken away again.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "font_index_file.h"
#include "system_font_cases.h"
#include "system_fonts.h"
#include "test_files.h"

namespace {

namespace fs = std::filesystem;

fs::path environmentFolder(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value != nullptr ? fs::path(value) : fs::path();
}

fs::path windowsFonts() { return environmentFolder(L"WINDIR") / L"Fonts"; }
fs::path userFonts() { return environmentFolder(L"LOCALAPPDATA") / L"Microsoft" / L"Windows" / L"Fonts"; }

// Held by one test program at a time: tests run side by side in one Wine prefix, and one
// would find another's fonts, or lose them as it looks.
class FontsFolderLock {
public:
    FontsFolderLock() : mutex(CreateMutexW(nullptr, FALSE, L"Local\\veltrona-test-fonts-folders")) {
        if (mutex != nullptr) WaitForSingleObject(mutex, INFINITE);
    }
    ~FontsFolderLock() {
        if (mutex == nullptr) return;
        ReleaseMutex(mutex);
        CloseHandle(mutex);
    }
    FontsFolderLock(const FontsFolderLock&) = delete;
    FontsFolderLock& operator=(const FontsFolderLock&) = delete;

private:
    HANDLE mutex;
};

// Fonts placed in a fonts folder, removed afterwards with any folder made for them.
class PlacedFonts {
public:
    PlacedFonts(const fs::path& folder, const std::vector<FontToCopy>& fonts) : folder(folder) {
        std::error_code error;
        if (!fs::exists(folder)) madeFolder = fs::create_directories(folder, error);
        for (const auto& font : fonts) {
            placed.push_back(folder / font.copy);
            fs::copy_file(font.font, placed.back(), fs::copy_options::overwrite_existing);
        }
    }
    ~PlacedFonts() {
        std::error_code ignored;
        for (const auto& file : placed) fs::remove(file, ignored);
        if (madeFolder) fs::remove(folder, ignored);
    }
    PlacedFonts(const PlacedFonts&) = delete;
    PlacedFonts& operator=(const PlacedFonts&) = delete;

    const fs::path& at(std::size_t i) const { return placed.at(i); }

private:
    FontsFolderLock lock;
    fs::path folder;
    bool madeFolder = false;
    std::vector<fs::path> placed;
};

struct WindowsLookupCase {
    const char* label;
    fs::path (*folder)();
    bool keepIndex;

    friend void PrintTo(const WindowsLookupCase& c, std::ostream* os) { *os << c.label; }
};

class WindowsFonts : public testing::TestWithParam<WindowsLookupCase> {};

TEST_P(WindowsFonts, FindsAFontPlacedInAFontsFolder) {
    const ScratchFolder scratch("veltrona-windows-fonts");
    const PlacedFonts fonts(GetParam().folder(),
                            {{kOldItalicFont, kOldItalicCopy}, {kRunicFont, kRunicCopy}});
    const auto indexFile = GetParam().keepIndex ? scratch.path() / "veltrona" / "font_index.txt" : fs::path();
    SystemFonts system(indexFile);
    for (const auto& lookup : kLookupCases) {
        SCOPED_TRACE(lookup.label);
        const auto found = system.fontFor(lookup.chars);
        ASSERT_EQ(found.has_value(), lookup.found != Found::kNothing);
        if (!found) continue;
        EXPECT_EQ(found->path, fonts.at(lookup.found == Found::kOldItalic ? 0 : 1));
        EXPECT_TRUE(engineMaps(*found, lookup.chars.front()));
    }
    if (!GetParam().keepIndex) return;
    EXPECT_TRUE(parseFontIndex(fileText(indexFile)));
}

INSTANTIATE_TEST_SUITE_P(Folders, WindowsFonts,
                         testing::Values(WindowsLookupCase{"windows_folder", windowsFonts, true},
                                         WindowsLookupCase{"user_folder", userFonts, true},
                                         WindowsLookupCase{"index_in_memory_only", windowsFonts, false}),
                         [](const testing::TestParamInfo<WindowsLookupCase>& info) {
                             return std::string(info.param.label);
                         });

// Wine keeps its own fonts out of the prefix's fonts folder, which may thus hold nothing for
// Latin letters but the font placed there; a preferred font of Windows' would do as well.
TEST(WindowsFonts, TheMainFontDrawsLatinLetters) {
    const PlacedFonts fonts(windowsFonts(), {{kLatinFont, "veltrona-latin.ttf"}});
    const auto found = SystemFonts().mainFont();
    ASSERT_TRUE(found);
    EXPECT_TRUE(engineMaps(*found, U'A'));
}

class WindowsFontsByFamily : public testing::TestWithParam<FamilyCase> {};

TEST_P(WindowsFontsByFamily, FindsAFamilyPlacedInTheFontsFolder) {
    const PlacedFonts fonts(windowsFonts(), kFamilyFonts);
    const auto found = SystemFonts().fontOfFamily(GetParam().family);
    ASSERT_EQ(found.has_value(), GetParam().found != nullptr);
    if (!found) return;
    EXPECT_EQ(found->path, windowsFonts() / GetParam().found);
    EXPECT_TRUE(engineMaps(*found, kNoBreakSpace));
}

INSTANTIATE_TEST_SUITE_P(Families, WindowsFontsByFamily, testing::ValuesIn(kFamilyCases), familyCaseName);

}  // namespace
