#include "font_stream.h"

#include <cstdio>
#include <memory>

namespace {

std::FILE* openForReading(const std::filesystem::path& path) {
#if defined(_WIN32)
    return _wfopen(path.c_str(), L"rb");
#else
    return std::fopen(path.c_str(), "rb");
#endif
}

std::FILE* fileOf(FT_Stream stream) { return static_cast<std::FILE*>(stream->descriptor.pointer); }

// FreeType's read callback; a count of 0 asks only to move, and then 0 means success.
unsigned long readFont(FT_Stream stream, unsigned long offset, unsigned char* buffer, unsigned long count) {
    std::FILE* file = fileOf(stream);
    if (std::fseek(file, static_cast<long>(offset), SEEK_SET) != 0) return count == 0 ? 1 : 0;
    if (count == 0) return 0;
    return static_cast<unsigned long>(std::fread(buffer, 1, count, file));
}

// FreeType calls this when the face goes, and when opening it fails.
void closeFont(FT_Stream stream) {
    std::fclose(fileOf(stream));
    delete stream;
}

}  // namespace

FT_Error openFontFace(FT_Library library, const std::filesystem::path& path, FT_Long faceIndex,
                      FT_Face* face) {
    std::FILE* file = openForReading(path);
    if (file == nullptr) return FT_Err_Cannot_Open_Resource;
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) size = std::ftell(file);
    if (size < 0 || std::fseek(file, 0, SEEK_SET) != 0) {
        std::fclose(file);
        return FT_Err_Cannot_Open_Resource;
    }
    auto stream = std::make_unique<FT_StreamRec>();
    stream->size = static_cast<unsigned long>(size);
    stream->descriptor.pointer = file;
    stream->read = readFont;
    stream->close = closeFont;
    FT_Open_Args args{};
    args.flags = FT_OPEN_STREAM;
    args.stream = stream.release();
    return FT_Open_Face(library, &args, faceIndex, face);
}
