#include "mapped_file.h"

#include <cerrno>
#include <string>
#include <system_error>

#include "path_text.h"
#include "text_error.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

[[noreturn]] void fail(const std::filesystem::path& path, const std::string& why) {
    throw TextError("font " + quoted(path) + " cannot be read: " + why);
}

}  // namespace

#if defined(_WIN32)

MappedFile::MappedFile(const std::filesystem::path& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        fail(path, std::system_category().message(static_cast<int>(GetLastError())));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart <= 0) {
        CloseHandle(file);
        fail(path, "it is empty or its size cannot be read");
    }
    mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    CloseHandle(file);  // the mapping keeps the file open
    if (mapping == nullptr) fail(path, std::system_category().message(static_cast<int>(GetLastError())));
    bytes = static_cast<const unsigned char*>(MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0));
    if (bytes == nullptr) {
        CloseHandle(mapping);
        fail(path, std::system_category().message(static_cast<int>(GetLastError())));
    }
    length = static_cast<std::size_t>(size.QuadPart);
}

MappedFile::~MappedFile() {
    UnmapViewOfFile(bytes);
    CloseHandle(mapping);
}

#else

MappedFile::MappedFile(const std::filesystem::path& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0) fail(path, std::generic_category().message(errno));
    struct stat status {};
    if (::fstat(file, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0) {
        ::close(file);
        fail(path, "it is not a regular file with something in it");
    }
    void* mapped = ::mmap(nullptr, static_cast<std::size_t>(status.st_size), PROT_READ, MAP_PRIVATE, file, 0);
    ::close(file);  // the mapping keeps the file open
    if (mapped == MAP_FAILED) fail(path, std::generic_category().message(errno));
    bytes = static_cast<const unsigned char*>(mapped);
    length = static_cast<std::size_t>(status.st_size);
}

MappedFile::~MappedFile() { ::munmap(const_cast<unsigned char*>(bytes), length); }

#endif
