#include "png_writer.h"

#include <png.h>
#include <zlib.h>

#include <optional>
#include <string>

#include "output_file.h"
#include "png_error.h"

namespace pngfile {
namespace {

constexpr int kFastZlibLevel = 1;
constexpr int kCompactZlibLevel = 7;

struct Encoding {
    int colourType;
    int zlibLevel;
    int filters;
    // zlib's strategy; libpng's choice when none (its own for filtered rows or for plain).
    std::optional<int> strategy;
};

constexpr Encoding kFast{PNG_COLOR_TYPE_RGB_ALPHA, kFastZlibLevel, PNG_FILTER_SUB, std::nullopt};
// Unfiltered, a name's transparent space and its white are runs of one byte, which zlib's
// run-length matching finds faster than its general search, and packs smaller: on 1,000
// lobby names about half the time of kFast and three quarters of its bytes.
constexpr Encoding kSparse{PNG_COLOR_TYPE_RGB_ALPHA, kFastZlibLevel, PNG_FILTER_NONE, Z_RLE};
// Glyph files, encoded once; chosen on the 6,718 white images of ASCII, kana and JIS kanji
// and the 1,205 colour emoji. Soft-edged white ink and flat-shaded emoji both pack smallest
// unfiltered: filters turn their edges into noise. zlib's level 7 makes files 1 % larger
// than its best level did (3 % for emoji) in a seventh of the time; level 8 costs twice as
// much for 2 % less. zlib's search for filtered data suits the grey rows, not the colour.
// A white glyph is not written as a palette image of white at each alpha: its pixels would
// pack a fifth smaller, but the palette and its transparency table, some 190 levels of 4
// bytes each, stored uncompressed in every file, make the files 40 % larger.
constexpr Encoding kCompactGrey{PNG_COLOR_TYPE_GRAY_ALPHA, kCompactZlibLevel, PNG_FILTER_NONE, Z_FILTERED};
constexpr Encoding kCompactColour{PNG_COLOR_TYPE_RGB_ALPHA, kCompactZlibLevel, PNG_FILTER_NONE,
                                  Z_DEFAULT_STRATEGY};

Encoding encodingFor(PngPacking packing, bool grey) {
    switch (packing) {
        case PngPacking::fast:
            return kFast;
        case PngPacking::sparse:
            return kSparse;
        case PngPacking::compact:
            return grey ? kCompactGrey : kCompactColour;
    }
    return kFast;
}

bool allGrey(const RgbaImage& image) {
    for (std::size_t i = 0; i + 3 < image.rgba.size(); i += 4) {
        if (image.rgba[i] != image.rgba[i + 1] || image.rgba[i] != image.rgba[i + 2]) return false;
    }
    return true;
}

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

png_voidp takeBlock(png_structp png, png_alloc_size_t bytes) {
    return static_cast<BlockPool*>(png_get_mem_ptr(png))->take(bytes);
}

void giveBlock(png_structp png, png_voidp block) {
    static_cast<BlockPool*>(png_get_mem_ptr(png))->give(block);
}

// libpng reports errors by jumping back to the setjmp below, so no object with a
// destructor may live in this frame.
bool encodePng(const RgbaImage& image, Encoding encoding, const ImageOffset* offset, unsigned char** rows,
               BlockPool* memory, std::vector<unsigned char>* out) {
    png_structp png = png_create_write_struct_2(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr, memory,
                                                takeBlock, giveBlock);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, appendBytes, noFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 encoding.colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (offset) png_set_oFFs(png, info, offset->x, offset->y, PNG_OFFSET_PIXEL);
    png_set_compression_level(png, encoding.zlibLevel);
    if (encoding.strategy) png_set_compression_strategy(png, *encoding.strategy);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, encoding.filters);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

void PngWriter::write(const RgbaImage& image, const std::filesystem::path& path) { write(image, nullptr, path); }

void PngWriter::write(const RgbaImage& image, const ImageOffset& offset, const std::filesystem::path& path) {
    write(image, &offset, path);
}

void PngWriter::write(const RgbaImage& image, const ImageOffset* offset, const std::filesystem::path& path) {
    const bool asGrey = packing == PngPacking::compact && allGrey(image);
    const unsigned char* pixels = image.rgba.data();
    std::size_t channels = 4;
    if (asGrey) {
        grey.resize(image.rgba.size() / 2);
        for (std::size_t i = 0, j = 0; i + 3 < image.rgba.size(); i += 4, j += 2) {
            grey[j] = image.rgba[i];
            grey[j + 1] = image.rgba[i + 3];
        }
        pixels = grey.data();
        channels = 2;
    }
    rows.resize(static_cast<std::size_t>(image.height));
    const auto stride = static_cast<std::size_t>(image.width) * channels;
    for (std::size_t y = 0; y < rows.size(); ++y) rows[y] = const_cast<unsigned char*>(pixels) + y * stride;

    encoded.clear();
    const bool done = encodePng(image, encodingFor(packing, asGrey), offset, rows.data(), &memory, &encoded);
    if (!done) throw PngError("libpng failed to encode " + quoted(path));
    files::replaceFile(path, encoded, flush);
}

}  // namespace pngfile
