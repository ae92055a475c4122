#pragma once

#include <cstddef>
#include <filesystem>

// A file mapped into memory, read-only, for as long as the object lives. Fonts are mapped
// rather than read through a stream so that setting a name does no file I/O of its own: the
// system pages the font in once and shares it, and FreeType and HarfBuzz read it in place.
class MappedFile {
public:
    // Throws TextError naming the path when it cannot be opened or mapped (an empty file
    // cannot be mapped either).
    explicit MappedFile(const std::filesystem::path& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const unsigned char* data() const { return bytes; }
    std::size_t size() const { return length; }

private:
    const unsigned char* bytes = nullptr;
    std::size_t length = 0;
#if defined(_WIN32)
    void* mapping = nullptr;
#endif
};
