#include "png_frame.h"

#include <png.h>

#include <cstring>
#include <fstream>
#include <system_error>
#include <vector>

namespace pngfile {
namespace {

constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// An IEND chunk: no data, its type, and the CRC of its type.
constexpr unsigned char kEndChunk[] = {0, 0, 0, 0, 'I', 'E', 'N', 'D', 0xAE, 0x42, 0x60, 0x82};

struct MemoryReader {
    const std::vector<unsigned char>* bytes;
    std::size_t at = 0;
};

void readFromMemory(png_structp png, png_bytep data, png_size_t length) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (reader->bytes->size() - reader->at < length) png_error(png, "cut short");
    std::memcpy(data, reader->bytes->data() + reader->at, length);
    reader->at += length;
}

// libpng reports errors by jumping back to the setjmp below, so no object with a
// destructor may live in this frame.
bool readHeader(MemoryReader* reader, PngFrame* frame) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, reader, readFromMemory);
    png_read_info(png, info);
    frame->width = static_cast<int>(png_get_image_width(png, info));
    frame->height = static_cast<int>(png_get_image_height(png, info));
    png_int_32 x = 0;
    png_int_32 y = 0;
    int unit = 0;
    if (png_get_oFFs(png, info, &x, &y, &unit) != 0 && unit == PNG_OFFSET_PIXEL) frame->offset = {x, y};
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace

std::optional<PngFrame> readPngFrame(const std::filesystem::path& file, std::uintmax_t maxBytes) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(file, error);
    if (error || size > maxBytes || size < sizeof kSignature + sizeof kEndChunk) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!in || static_cast<std::uintmax_t>(in.gcount()) != size) return std::nullopt;
    if (std::memcmp(bytes.data(), kSignature, sizeof kSignature) != 0) return std::nullopt;
    if (std::memcmp(bytes.data() + bytes.size() - sizeof kEndChunk, kEndChunk, sizeof kEndChunk) != 0) {
        return std::nullopt;
    }
    MemoryReader reader{&bytes};
    PngFrame frame;
    if (!readHeader(&reader, &frame)) return std::nullopt;
    return frame;
}

}  // namespace pngfile
