#include "output_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

#include "file_kind.h"
#include "file_error.h"

namespace files {
namespace {

namespace fs = std::filesystem;

// Hidden, and unique among the threads and runs that write into one folder at once.
fs::path temporaryBeside(const fs::path& path) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(random()));
    auto name = fs::path(".");
    name += path.filename();
    name += suffix;
    return path.parent_path() / name;
}

std::string cannotWrite(const fs::path& path, const std::string& why) {
    std::string message = "cannot write '";
    message += displayText(path);
    message += "': ";
    message += why;
    return message;
}

// The file's bytes onto the disk, through the system's own call: a standard stream cannot
// ask for it.
bool flushToDisk(const fs::path& path) {
#if defined(_WIN32)
    const int file = _wopen(path.c_str(), _O_WRONLY | _O_BINARY);
    if (file < 0) return false;
    const bool flushed = _commit(file) == 0;
    _close(file);
#else
    const int file = ::open(path.c_str(), O_RDONLY);
    if (file < 0) return false;
    const bool flushed = ::fsync(file) == 0;
    ::close(file);
#endif
    return flushed;
}

}  // namespace

std::optional<std::string> unreplaceableKind(const fs::path& path) {
    std::error_code error;
    return filekind::describe(fs::symlink_status(path, error).type());
}

std::string refusalMessage(const fs::path& path, const std::string& kind) {
    std::string message = displayText(path);
    message += ": is ";
    message += kind;
    message += ", not a regular file; it is left as it is";
    return message;
}

void replaceFile(const fs::path& path, const std::vector<unsigned char>& bytes, bool flush) {
    if (auto kind = unreplaceableKind(path)) throw OutputRefused(refusalMessage(path, *kind));
    const auto temporary = temporaryBeside(path);
    // Unbuffered: the bytes are whole already, and go out in one write without a copy.
    std::ofstream file;
    file.rdbuf()->pubsetbuf(nullptr, 0);
    file.open(temporary, std::ios::binary | std::ios::trunc);
    if (file)
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file) file.close();
    std::error_code error;
    if (file && flush && !flushToDisk(temporary)) file.setstate(std::ios::failbit);
    if (!file) {
        const int why = errno;
        fs::remove(temporary, error);
        throw WriteError(cannotWrite(path, std::strerror(why)));
    }
    fs::rename(temporary, path, error);
    if (error) {
        const auto why = error.message();
        fs::remove(temporary, error);
        throw WriteError(cannotWrite(path, why));
    }
}

}  // namespace files
