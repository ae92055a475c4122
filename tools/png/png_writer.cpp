#include "png_writer.h"

#include <png.h>

#include <string>

#include "output_file.h"
#include "png_error.h"

namespace pngfile {
namespace {

constexpr int kZlibLevel = 1;

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<unsigned char>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void noFlush(png_structp) {}

// libpng reports errors by jumping back to the setjmp below, so no object with a
// destructor may live in this frame.
bool encodePng(const RgbaImage& image, unsigned char** rows, std::vector<unsigned char>* out) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_set_write_fn(png, out, appendBytes, noFlush);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kZlibLevel);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

void PngWriter::write(const RgbaImage& image, const std::filesystem::path& path) {
    rows.resize(static_cast<std::size_t>(image.height));
    const auto stride = static_cast<std::size_t>(image.width) * 4;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        rows[y] = const_cast<unsigned char*>(image.rgba.data()) + y * stride;
    }
    encoded.clear();
    if (!encodePng(image, rows.data(), &encoded)) {
        throw PngError("libpng failed to encode " + quoted(path));
    }
    replaceFile(path, encoded);
}

}  // namespace pngfile
