#include "output_file.h"

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>

#include "file_kind.h"
#include "png_error.h"

namespace pngfile {
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

void replaceFile(const fs::path& path, const std::vector<unsigned char>& bytes) {
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
    if (!file) {
        const int why = errno;
        fs::remove(temporary, error);
        throw PngError(cannotWrite(path, std::strerror(why)));
    }
    fs::rename(temporary, path, error);
    if (error) {
        const auto why = error.message();
        fs::remove(temporary, error);
        throw PngError(cannotWrite(path, why));
    }
}

}  // namespace pngfile
