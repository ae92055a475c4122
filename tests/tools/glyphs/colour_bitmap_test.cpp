#include "colour_bitmap.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <vector>

#include "image_scaling.h"

namespace {

using Pixel = std::array<std::uint8_t, 4>;

// FreeType's pixel modes in, straight RGBA out: what a glyph bitmap becomes in an image.
class BitmapPixels : public testing::Test {
protected:
    BitmapPixels() { FT_Init_FreeType(&library); }
    ~BitmapPixels() override { FT_Done_FreeType(library); }

    std::vector<Pixel> straight(FT_Bitmap bitmap) {
        PremultipliedImage premultiplied;
        toPremultiplied(library, bitmap, premultiplied);
        pngfile::RgbaImage image;
        image.width = premultiplied.width;
        image.height = premultiplied.height;
        image.rgba.assign(premultiplied.rgba.size(), 0);
        blitStraight(premultiplied, 0, 0, image);
        std::vector<Pixel> pixels;
        for (std::size_t i = 0; i < image.rgba.size(); i += 4) {
            pixels.push_back({image.rgba[i], image.rgba[i + 1], image.rgba[i + 2], image.rgba[i + 3]});
        }
        return pixels;
    }

    static FT_Bitmap bitmap(std::vector<std::uint8_t>& bytes, unsigned width, unsigned rows, int pitch,
                            FT_Pixel_Mode mode, unsigned short grays = 256) {
        FT_Bitmap b{};
        b.width = width;
        b.rows = rows;
        b.pitch = pitch;
        b.buffer = bytes.data();
        b.pixel_mode = static_cast<unsigned char>(mode);
        b.num_grays = grays;
        return b;
    }

    FT_Library library = nullptr;
};

TEST_F(BitmapPixels, ColourBitmapLosesItsPremultiplicationAndItsBgrOrder) {
    // Premultiplied BGRA: half-transparent orange, opaque blue, nothing.
    std::vector<std::uint8_t> bytes = {0, 64, 128, 128, 255, 0, 0, 255, 0, 0, 0, 0};
    auto pixels = straight(bitmap(bytes, 3, 1, 12, FT_PIXEL_MODE_BGRA));
    EXPECT_EQ(pixels, (std::vector<Pixel>{{255, 128, 0, 128}, {0, 0, 255, 255}, {0, 0, 0, 0}}));
}

TEST_F(BitmapPixels, RowsStoredBottomUpComeOutTopDown) {
    std::vector<std::uint8_t> bytes = {0,   0, 255, 255,   // bottom row: red
                                       255, 0, 0,   255};  // top row: blue
    auto pixels = straight(bitmap(bytes, 1, 2, -4, FT_PIXEL_MODE_BGRA));
    EXPECT_EQ(pixels, (std::vector<Pixel>{{0, 0, 255, 255}, {255, 0, 0, 255}}));
}

TEST_F(BitmapPixels, GreyAndMonochromeBitmapsAreWhiteInk) {
    std::vector<std::uint8_t> grey = {0, 100, 255};
    EXPECT_EQ(straight(bitmap(grey, 3, 1, 3, FT_PIXEL_MODE_GRAY)),
              (std::vector<Pixel>{{0, 0, 0, 0}, {255, 255, 255, 100}, {255, 255, 255, 255}}));
    std::vector<std::uint8_t> mono = {0b10100000};
    EXPECT_EQ(straight(bitmap(mono, 3, 1, 1, FT_PIXEL_MODE_MONO, 2)),
              (std::vector<Pixel>{{255, 255, 255, 255}, {0, 0, 0, 0}, {255, 255, 255, 255}}));
}

TEST_F(BitmapPixels, OtherPixelModesAreRefused) {
    std::vector<std::uint8_t> bytes(12, 0);
    PremultipliedImage out;
    EXPECT_ANY_THROW(toPremultiplied(library, bitmap(bytes, 1, 1, 3, FT_PIXEL_MODE_LCD), out));
}

TEST(ImageBlit, IsClippedToTheTarget) {
    PremultipliedImage from{2, 2, std::vector<std::uint8_t>(16, 255)};
    pngfile::RgbaImage to{3, 3, std::vector<std::uint8_t>(36, 0)};
    blitStraight(from, 2, -1, to);
    std::vector<std::uint8_t> alpha;
    for (std::size_t i = 3; i < to.rgba.size(); i += 4) alpha.push_back(to.rgba[i]);
    EXPECT_EQ(alpha, (std::vector<std::uint8_t>{0, 0, 255, 0, 0, 0, 0, 0, 0}));
}

// Scaled as premultiplied pixels: opaque white beside half-transparent black averages to
// a grey of (255 + 0) / (255 + 128) of white, 170. Premultiplying again in the scaler
// would weigh the white more and make it 227.
TEST(ImageScaling, AveragesColoursByTheirAlpha) {
    // Written out whole: GCC 12 at -O2 misreads an insert of the row as out of bounds.
    PremultipliedImage from{2, 2, {255, 255, 255, 255, 0, 0, 0, 128, 255, 255, 255, 255, 0, 0, 0, 128}};
    PremultipliedImage shrunk;
    scaleImage(from, 1, 1, shrunk);
    pngfile::RgbaImage image{1, 1, std::vector<std::uint8_t>(4, 0)};
    blitStraight(shrunk, 0, 0, image);
    EXPECT_NEAR(image.rgba[0], 170, 2);
    EXPECT_EQ(image.rgba[0], image.rgba[1]);
    EXPECT_EQ(image.rgba[0], image.rgba[2]);
}

}  // namespace
