// PNG files written and read back through the shared libpng code.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

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
    pngfile::RgbaImage image{width, height, {}};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.rgba.insert(image.rgba.end(),
                              {static_cast<std::uint8_t>(x * 9), static_cast<std::uint8_t>(y * 7),
                               static_cast<std::uint8_t>(x + y), static_cast<std::uint8_t>(x * y)});
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
