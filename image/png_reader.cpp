#include "png_reader.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <vector>

namespace pngfile {
namespace {

constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

PngReadResult failure(std::string why) { return {std::nullopt, std::move(why)}; }

std::string tooLarge(std::uintmax_t size, std::uintmax_t limit) {
    std::string why = "too large (";
    why += std::to_string(size);
    why += " bytes; at most ";
    why += std::to_string(limit);
    why += ')';
    return why;
}

}  // namespace

PngReadResult readPng(const std::filesystem::path& file, PngLimits limits) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (!std::filesystem::exists(status)) return failure("no such file");
    if (std::filesystem::is_directory(status)) return failure("a folder, not a file");
    if (!std::filesystem::is_regular_file(status)) return failure("not a regular file");
    const auto size = std::filesystem::file_size(file, error);
    if (error) return failure("cannot be read");
    if (size > limits.maxBytes) return failure(tooLarge(size, limits.maxBytes));
    // Read through the standard library, which takes any file name on any platform;
    // libpng's own file reader wants a narrow name. A file that grows after the size was
    // taken is still read no further than the limit.
    std::ifstream in(file, std::ios::binary);
    if (!in) return failure("cannot be read");
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size) + 1);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return failure("cannot be read");
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > limits.maxBytes) return failure(tooLarge(bytes.size(), limits.maxBytes));
    if (bytes.size() < sizeof kSignature || std::memcmp(bytes.data(), kSignature, sizeof kSignature) != 0) {
        return failure("not a PNG file");
    }

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
        return failure(std::string("damaged PNG: ") + image.message);
    }
    const auto maxSide = limits.maxSide;
    if (image.width > static_cast<png_uint_32>(maxSide) || image.height > static_cast<png_uint_32>(maxSide)) {
        auto sides = std::to_string(image.width) + " x " + std::to_string(image.height);
        png_image_free(&image);
        return failure("too large (" + sides + "; at most " + std::to_string(maxSide) + " on a side)");
    }
    image.format = PNG_FORMAT_RGBA;
    const std::uintmax_t decodedBytes = PNG_IMAGE_SIZE(image);
    if (decodedBytes > limits.maxDecodedBytes) {
        png_image_free(&image);
        auto result = failure("too large decoded (" + std::to_string(decodedBytes) + " bytes; at most " +
                              std::to_string(limits.maxDecodedBytes) + ")");
        result.overDecodedLimit = true;
        return result;
    }
    RgbaImage decoded;
    decoded.width = static_cast<int>(image.width);
    decoded.height = static_cast<int>(image.height);
    decoded.rgba.resize(static_cast<std::size_t>(decodedBytes));
    if (!png_image_finish_read(&image, nullptr, decoded.rgba.data(), 0, nullptr)) {
        return failure(std::string("damaged PNG: ") + image.message);
    }
    return {std::move(decoded), {}};
}

}  // namespace pngfile
