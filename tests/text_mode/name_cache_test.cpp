// The cache of name images: names that stay the same everywhere, images stored without
// overwriting, and a folder kept within its bound, oldest first.

#include "name_cache.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "debian_fonts.h"
#include "png_reader.h"
#include "scratch_folder.h"
#include "text_fonts.h"

namespace {

namespace fs = std::filesystem;
using std::chrono::minutes;

struct FileNameCase {
    const char* label;
    std::string name;
    std::string identity;
    int height;
    int maxWidth;
    const char* fileName;

    friend void PrintTo(const FileNameCase& c, std::ostream* os) { *os << c.label; }
};

std::string testName(const testing::TestParamInfo<FileNameCase>& info) { return info.param.label; }

// Worked out apart from this code: a change of compiler, platform or standard library that
// moved them would lose every cache.
class StableFileName : public testing::TestWithParam<FileNameCase> {};

TEST_P(StableFileName, IsTheSameEverywhere) {
    const auto& c = GetParam();
    EXPECT_EQ(cacheFileName(c.name, c.identity, c.height, c.maxWidth), c.fileName);
}

INSTANTIATE_TEST_SUITE_P(
    NameCache, StableFileName,
    testing::Values(FileNameCase{"latin", "Alice", "0:757076:1d4bc0e5:00020025;", 24, 300,
                                 "859edd37a6377636.png"},
                    FileNameCase{"all_empty", "", "", 0, 0, "28551ea5c52bced0.png"},
                    FileNameCase{"arabic_and_emoji", "\xD8\xA3\xD8\xAD\xD9\x85\xD8\xAF \xF0\x9F\x98\x80",
                                 "0:19262624:44a0d3b6:00020000;0:757076:1d4bc0e5:00020025;", 32, 512,
                                 "182dd8dc29a301f6.png"}),
    testName);

TEST(NameCache, EachFieldChangesTheFileName) {
    const std::set<std::string> names = {
        cacheFileName("Alice", "0:1;", 24, 300), cacheFileName("Alicf", "0:1;", 24, 300),
        cacheFileName("Alice", "0:2;", 24, 300), cacheFileName("Alice", "0:1;", 25, 300),
        cacheFileName("Alice", "0:1;", 24, 301),
    };
    EXPECT_EQ(names.size(), 5u);
}

// The same bytes split differently between two neighbouring fields.
TEST(NameCache, FieldsDoNotRunIntoEachOther) {
    EXPECT_NE(cacheFileName("a", "x1", 23, 100), cacheFileName("a", "x12", 3, 100));
    EXPECT_NE(cacheFileName("a", "x", 1, 23), cacheFileName("a", "x", 12, 3));
    EXPECT_NE(cacheFileName("2a", "x", 24, 1), cacheFileName("a", "x", 24, 12));
}

TEST(NameCache, IsInVeltronasFolder) {
    EXPECT_EQ(cacheFolder("data"), fs::path("data") / "veltrona" / "cache");
}

std::string identityOf(const std::vector<FontSource>& chain) { return fontsIdentity(TextFonts(chain)); }

TEST(FontsIdentity, IsTheFontsNotWhereTheyLie) {
    ScratchFolder scratch;
    const auto copy = scratch.path() / "elsewhere" / "renamed.ttf";
    fs::create_directories(copy.parent_path());
    fs::copy_file(kDejaVuSans, copy);
    EXPECT_EQ(identityOf({{kDejaVuSans, 0}}), identityOf({{copy, 0}}));
    EXPECT_EQ(identityOf({{copy, 0}, {kDejaVuSansBold, 0}}),
              identityOf({{kDejaVuSans, 0}, {kDejaVuSansBold, 0}}));
}

TEST(FontsIdentity, TellsFontsFacesAndOrderApart) {
    const std::set<std::string> identities = {
        identityOf({{kDejaVuSans, 0}}),
        identityOf({{kDejaVuSansBold, 0}}),
        identityOf({{kNotoSansCjk, 0}}),
        identityOf({{kNotoSansCjk, 1}}),
        identityOf({{kDejaVuSans, 0}, {kDejaVuSansBold, 0}}),
        identityOf({{kDejaVuSansBold, 0}, {kDejaVuSans, 0}}),
    };
    EXPECT_EQ(identities.size(), 6u);
}

// A cache folder whose files are given their ages outright.
class CacheFolder : public testing::Test {
protected:
    pngfile::PngWriter writer{pngfile::PngPacking::sparse};

    fs::path put(const std::string& name, std::size_t bytes, minutes age) const {
        const auto path = folder() / name;
        std::ofstream(path, std::ios::binary) << std::string(bytes, 'x');
        fs::last_write_time(path, now - age);
        return path;
    }

    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder()))
            found.insert(entry.path().filename().string());
        return found;
    }

    fs::path folder() const { return scratch.path() / "cache"; }

    ScratchFolder scratch;
    fs::file_time_type now = fs::file_time_type::clock::now();
};

constexpr char kOldest[] = "000000000000000a.png";
constexpr char kOlder[] = "000000000000000b.png";
constexpr char kNewer[] = "000000000000000c.png";
constexpr char kNewest[] = "000000000000000d.png";

struct BoundCase {
    const char* label;
    CacheBound bound;
    std::set<std::string> left;
    std::uintmax_t bytesLeft;

    friend void PrintTo(const BoundCase& c, std::ostream* os) { *os << c.label; }
};

class Prune : public CacheFolder, public testing::WithParamInterface<BoundCase> {};

TEST_P(Prune, RemovesTheOldestUntilWithinTheBound) {
    fs::create_directories(folder());
    // Written out of order: the times decide, not the names or the order of writing.
    put(kNewer, 300, minutes(20));
    put(kOldest, 100, minutes(40));
    put(kNewest, 400, minutes(10));
    put(kOlder, 200, minutes(30));
    const auto usage = pruneCache(folder(), GetParam().bound);
    EXPECT_EQ(names(), GetParam().left);
    EXPECT_EQ(usage.files, GetParam().left.size());
    EXPECT_EQ(usage.bytes, GetParam().bytesLeft);
}

INSTANTIATE_TEST_SUITE_P(
    NameCache, Prune,
    testing::Values(BoundCase{"within", {4, 1000}, {kOldest, kOlder, kNewer, kNewest}, 1000},
                    BoundCase{"files", {2, 1000}, {kNewer, kNewest}, 700},
                    BoundCase{"bytes", {10, 650}, {kNewest}, 400},
                    BoundCase{"bytes_exactly", {10, 700}, {kNewer, kNewest}, 700},
                    BoundCase{"nothing", {0, 0}, {}, 0}),
    [](const testing::TestParamInfo<BoundCase>& info) { return std::string(info.param.label); });

TEST_F(CacheFolder, PruningLeavesWhatIsNotOurs) {
    fs::create_directories(folder() / "00000000000000ff.png");
    put("notes.txt", 10, minutes(600));
    put("ABCDEF0123456789.png", 10, minutes(600));
    put("0123456789abcdef.png.bak", 10, minutes(600));
    put("0123456789abcde.png", 10, minutes(600));
    put("left-by-someone.tmp", 10, minutes(600));
    std::set<std::string> foreign = {"00000000000000ff.png", "notes.txt",
                                     "ABCDEF0123456789.png", "0123456789abcdef.png.bak",
                                     "0123456789abcde.png",  "left-by-someone.tmp"};
    // A link named as an image of ours, to a file outside: neither is removed.
    const auto outside = put("../outside.png", 10, minutes(600));
    std::error_code noLinks;
    fs::create_symlink(outside, folder() / "00000000000000ee.png", noLinks);
    if (!noLinks) foreign.insert("00000000000000ee.png");
    EXPECT_EQ(pruneCache(folder(), {0, 0}).files, 0u);
    EXPECT_EQ(names(), foreign);
    EXPECT_TRUE(fs::exists(outside));
}

// A cache folder linked to a folder of files named like ours (5,000 of them, in the case that
// was found): nothing there is removed, nothing written.
TEST_F(CacheFolder, ALinkedFolderIsNeitherPrunedNorUsed) {
    const auto elsewhere = folder().parent_path() / "elsewhere";
    fs::create_directories(elsewhere);
    for (const char* name : {kOldest, kOlder, kNewer}) std::ofstream(elsewhere / name) << "not ours";
    std::error_code noLinks;
    fs::create_directory_symlink(elsewhere, folder(), noLinks);
    if (noLinks) GTEST_SKIP() << "this system makes no links here: " << noLinks.message();
    EXPECT_TRUE(cacheFolderIsLinked(folder()));
    EXPECT_EQ(pruneCache(folder(), {0, 0}).files, 0u);
    EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), fs::directory_iterator()), 3);
}

TEST_F(CacheFolder, PruningStopsAtOnceWhenAsked) {
    fs::create_directories(folder());
    put(kOldest, 10, minutes(40));
    put(kNewer, 10, minutes(20));
    const std::atomic<bool> stop{true};
    pruneCache(folder(), {0, 0}, &stop);
    EXPECT_EQ(names(), (std::set<std::string>{kOldest, kNewer}));
    EXPECT_FALSE(cacheFolderIsLinked(folder()));
}

TEST_F(CacheFolder, PruningRemovesTheTemporaryFilesACrashLeft) {
    fs::create_directories(folder());
    put(kNewest, 10, minutes(1));
    put(std::string(kOldest) + ".1f2e3d4c5b6a7980.tmp", 10, minutes(61));
    put(std::string(".") + kOldest + ".1f2e3d4c5b6a7980.0123456789abcdef.tmp", 10, minutes(61));
    const auto writing = std::string(kOlder) + ".1f2e3d4c5b6a7980.tmp";
    put(writing, 10, minutes(59));
    const auto usage = pruneCache(folder(), kCacheBound);
    EXPECT_EQ(names(), (std::set<std::string>{kNewest, writing}));
    EXPECT_EQ(usage.files, 1u);
    EXPECT_EQ(usage.bytes, 10u);
}

TEST_F(CacheFolder, AMissingFolderIsEmpty) {
    const auto usage = pruneCache(folder(), {0, 0});
    EXPECT_EQ(usage.files, 0u);
    EXPECT_EQ(usage.bytes, 0u);
}

pngfile::RgbaImage smallImage() {
    pngfile::RgbaImage image{3, 2, std::vector<std::uint8_t>(3 * 2 * 4)};
    for (std::size_t i = 0; i < image.rgba.size(); ++i) image.rgba[i] = static_cast<std::uint8_t>(i * 10);
    return image;
}

TEST_F(CacheFolder, AFileUsedOutlivesNewerOnes) {
    fs::create_directories(folder());
    storeNameImage(writer, folder(), kOldest, smallImage(), {});
    fs::last_write_time(folder() / kOldest, now - minutes(40));
    put(kOlder, 10, minutes(30));
    put(kNewer, 10, minutes(20));
    EXPECT_TRUE(useCachedImage(folder() / kOldest));
    pruneCache(folder(), {2, 1000});
    EXPECT_EQ(names(), (std::set<std::string>{kOldest, kNewer}));
    EXPECT_FALSE(useCachedImage(folder() / kNewest));
}

TEST_F(CacheFolder, StoresAnImageThatReadsBackWithItsOffset) {
    const auto image = smallImage();
    const pngfile::ImageOffset offset{-3, -7};
    const auto bytes = storeNameImage(writer, folder(), kOldest, image, offset);
    EXPECT_EQ(names(), (std::set<std::string>{kOldest}));
    EXPECT_EQ(bytes, fs::file_size(folder() / kOldest));
    const auto read = pngfile::readPng(folder() / kOldest, {.maxSide = 16, .maxBytes = 4096});
    ASSERT_TRUE(read.image) << read.error;
    EXPECT_EQ(read.image->width, 3);
    EXPECT_EQ(read.image->rgba, image.rgba);
    EXPECT_EQ(useCachedImage(folder() / kOldest), offset);
}

// A file emptied or cut short (a power cut after the rename) is not an image: it goes, and
// the name is set again.
TEST_F(CacheFolder, ADamagedFileIsNotUsedAndGoes) {
    storeNameImage(writer, folder(), kOldest, smallImage(), {});
    const auto whole = fs::file_size(folder() / kOldest);
    for (const std::uintmax_t size : {std::uintmax_t{0}, std::uintmax_t{20}, whole - 1}) {
        storeNameImage(writer, folder(), kOldest, smallImage(), {});
        fs::resize_file(folder() / kOldest, size);
        EXPECT_FALSE(useCachedImage(folder() / kOldest)) << size << " bytes";
        EXPECT_FALSE(fs::exists(folder() / kOldest)) << size << " bytes";
    }
}

TEST_F(CacheFolder, StoringKeepsAFileAlreadyThere) {
    fs::create_directories(folder());
    const auto existing = put(kOldest, 5, minutes(1));
    EXPECT_EQ(storeNameImage(writer, folder(), kOldest, smallImage(), {}), 0u);
    EXPECT_EQ(fs::file_size(existing), 5u);
    EXPECT_EQ(names(), (std::set<std::string>{kOldest}));
}

struct FailedStoreCase {
    const char* label;
    bool folderUnderAFile;
    pngfile::RgbaImage image;

    friend void PrintTo(const FailedStoreCase& c, std::ostream* os) { *os << c.label; }
};

class FailedStore : public testing::TestWithParam<FailedStoreCase> {};

TEST_P(FailedStore, NamesTheFileAndLeavesNoTemporaryFile) {
    ScratchFolder scratch;
    pngfile::PngWriter writer;
    auto folder = scratch.path() / "cache";
    if (GetParam().folderUnderAFile) {
        std::ofstream(scratch.path() / "file") << "x";
        folder = scratch.path() / "file" / "cache";
    }
    try {
        storeNameImage(writer, folder, kOldest, GetParam().image, {});
        ADD_FAILURE() << "stored in " << folder;
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(kOldest), std::string::npos) << e.what();
    }
    std::vector<fs::path> left;
    for (const auto& entry : fs::recursive_directory_iterator(scratch.path())) left.push_back(entry.path());
    const auto expected =
        GetParam().folderUnderAFile ? std::vector{scratch.path() / "file"} : std::vector{folder};
    EXPECT_EQ(left, expected);
}

INSTANTIATE_TEST_SUITE_P(NameCache, FailedStore,
                         testing::Values(FailedStoreCase{"folder_under_a_file", true, smallImage()},
                                         FailedStoreCase{"image_libpng_refuses", false, {}}),
                         [](const testing::TestParamInfo<FailedStoreCase>& info) {
                             return std::string(info.param.label);
                         });

}  // namespace
