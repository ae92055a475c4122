#include "png_reader.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace pngfile {
namespace {

constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

PngReadResult failure(std::string why) { return {std::nullopt, std::move(why)}; }

}  // namespace

PngReadResult readPng(const std::filesystem::path& file, int maxSide) {
    std::error_code error;
    if (!std::filesystem::exists(file, error)) return failure("no such file");
    if (std::filesystem::is_directory(file, error)) return failure("a folder, not a file");
    // Read through the standard library, which takes any file name on any platform;
    // libpng's own file reader wants a narrow name.
    std::ifstream in(file, std::ios::binary);
    if (!in) return failure("cannot be read");
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) return failure("cannot be read");
    if (bytes.size() < sizeof kSignature || std::memcmp(bytes.data(), kSignature, sizeof kSignature) != 0) {
        return failure("not a PNG file");
    }

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        return failure(std::string("damaged PNG: ") + image.message);
    }
    if (image.width > static_cast<png_uint_32>(maxSide) || image.height > static_cast<png_uint_32>(maxSide)) {
        auto size = std::to_string(image.width) + " x " + std::to_string(image.height);
        png_image_free(&image);
        return failure("too large (" + size + "; at most " + std::to_string(maxSide) + " on a side)");
    }
    image.format = PNG_FORMAT_RGBA;
    RgbaImage decoded;
    decoded.width = static_cast<int>(image.width);
    decoded.height = static_cast<int>(image.height);
    decoded.rgba.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, decoded.rgba.data(), 0, nullptr)) {
        return failure(std::string("damaged PNG: ") + image.message);
    }
    return {std::move(decoded), {}};
}

}  // namespace pngfile
