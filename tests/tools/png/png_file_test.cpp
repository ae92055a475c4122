// PNG files written and read back through the shared libpng code.

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <random>
#include <vector>

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
        fs::remove(file, ignored);
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
    auto read = pngfile::readPng(file, 64);
    ASSERT_TRUE(read.image) << read.error;
    EXPECT_EQ(read.image->width, 23);
    EXPECT_EQ(read.image->height, 11);
    EXPECT_EQ(read.image->rgba, image.rgba);
}

TEST_F(PngFile, RefusesAnImageLargerThanAskedUnread) {
    pngfile::PngWriter().write(gradient(20, 5), file);
    auto read = pngfile::readPng(file, 10);
    EXPECT_FALSE(read.image);
    EXPECT_EQ(read.error, "too large (20 x 5; at most 10 on a side)");
    EXPECT_TRUE(pngfile::readPng(file, 20).image);
}

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
