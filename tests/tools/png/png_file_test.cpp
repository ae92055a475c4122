// PNG files written and read back through the shared libpng code.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <vector>

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

#include "png_reader.h"
#include "png_writer.h"

namespace {

namespace fs = std::filesystem;

class PngFile : public testing::Test {
protected:
    PngFile() {
        file =
            fs::temp_directory_path() / ("veltrona-png-" + std::to_string(std::random_device{}()) + ".png");
    }
    ~PngFile() override {
        std::error_code ignored;
        fs::remove_all(file, ignored);
    }

    fs::path file;
};

pngfile::RgbaImage gradient(int width, int height) {
    // Sized once and written by index: GCC 12 at -O2 misreads an insert of an initializer
    // list here as an overflow (-Wstringop-overflow).
    pngfile::RgbaImage image{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
    auto* pixel = image.rgba.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            *pixel++ = static_cast<std::uint8_t>(x * 9);
            *pixel++ = static_cast<std::uint8_t>(y * 7);
            *pixel++ = static_cast<std::uint8_t>(x + y);
            *pixel++ = static_cast<std::uint8_t>(x * y);
        }
    }
    return image;
}

TEST_F(PngFile, ReadsBackEveryPixelWritten) {
    auto image = gradient(23, 11);
    pngfile::PngWriter().write(image, file);
    auto read = pngfile::readPng(file, {.maxSide = 64, .maxBytes = 4096});
    ASSERT_TRUE(read.image) << read.error;
    EXPECT_EQ(read.image->width, 23);
    EXPECT_EQ(read.image->height, 11);
    EXPECT_EQ(read.image->rgba, image.rgba);
}

TEST_F(PngFile, RefusesAnImageLargerThanAskedUnread) {
    pngfile::PngWriter().write(gradient(20, 5), file);
    const auto bytes = fs::file_size(file);

    auto wide = pngfile::readPng(file, {.maxSide = 10, .maxBytes = bytes});
    EXPECT_FALSE(wide.image);
    EXPECT_EQ(wide.error, "too large (20 x 5; at most 10 on a side)");

    auto heavy = pngfile::readPng(file, {.maxSide = 20, .maxBytes = bytes - 1});
    EXPECT_FALSE(heavy.image);
    EXPECT_EQ(heavy.error,
              "too large (" + std::to_string(bytes) + " bytes; at most " + std::to_string(bytes - 1) + ")");

    EXPECT_TRUE(pngfile::readPng(file, {.maxSide = 20, .maxBytes = bytes}).image);
}

// What stands at a glyph's path is not always a file: each of these is refused by what it
// is, unread, rather than read for ever or blocked on.
struct NotAFileCase {
    const char* label;
    void (*make)(const fs::path& at);
    const char* error;

    friend void PrintTo(const NotAFileCase& c, std::ostream* os) { *os << c.label; }
};

class PngNotAFile : public PngFile, public testing::WithParamInterface<NotAFileCase> {};

TEST_P(PngNotAFile, IsRefusedUnread) {
    GetParam().make(file);
    auto read = pngfile::readPng(file, {.maxSide = 64, .maxBytes = 4096});
    EXPECT_FALSE(read.image);
    EXPECT_EQ(read.error, GetParam().error);
}

std::vector<NotAFileCase> notAFileCases() {
    std::vector<NotAFileCase> cases = {
        {"nothing", [](const fs::path&) {}, "no such file"},
        {"folder", [](const fs::path& at) { fs::create_directory(at); }, "a folder, not a file"},
        {"dangling_link", [](const fs::path& at) { fs::create_symlink(at.string() + ".gone", at); },
         "no such file"},
    };
#if !defined(_WIN32)
    cases.push_back({"link_to_an_endless_device",
                     [](const fs::path& at) { fs::create_symlink("/dev/zero", at); }, "not a regular file"});
    cases.push_back({"named_pipe", [](const fs::path& at) { ASSERT_EQ(mkfifo(at.c_str(), 0600), 0); },
                     "not a regular file"});
#endif
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Kinds, PngNotAFile, testing::ValuesIn(notAFileCases()),
                         [](const testing::TestParamInfo<NotAFileCase>& info) { return info.param.label; });

TEST_F(PngFile, WritingIntoAMissingFolderNamesTheFile) {
    auto missing =
        file.parent_path() / ("veltrona-no-folder-" + std::to_string(std::random_device{}())) / "x.png";
    try {
        pngfile::PngWriter().write(gradient(2, 2), missing);
        FAIL() << "wrote into a missing folder";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find(missing.string()), std::string::npos) << e.what();
    }
}

}  // namespace
