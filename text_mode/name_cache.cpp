#include "name_cache.h"

#if defined(_WIN32)
#include <windows.h>
#endif

#include <ft2build.h>
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <iterator>
#include <random>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <vector>

#include "data_folder.h"
#include "path_text.h"
#include "png_error.h"
#include "png_frame.h"
#include "png_writer.h"
#include "text_fonts.h"

namespace {

namespace fs = std::filesystem;

constexpr char kCacheFolderName[] = "cache";
constexpr char kImageExtension[] = ".png";
constexpr int kHashDigits = 16;
constexpr std::size_t kCacheNameLength = kHashDigits + std::size(kImageExtension) - 1;
constexpr std::uint32_t kLastAscii = 0x7F;
constexpr std::string_view kTemporaryExtension = ".tmp";
// Far above any name image (16 row heights wide, of a few kilobytes): a larger file is not
// one the cache wrote.
constexpr std::uintmax_t kMaxImageBytes = 8ull << 20;
// Long past any write in progress: a temporary file this old was left by a crash.
constexpr auto kStaleTemporary = std::chrono::hours(1);

// Changed whenever the engine sets the same name with the same fonts differently, so that
// images set the old way are no longer found (and pruned in time).
constexpr std::string_view kImageVersion = "veltrona-name-image-2";

// FNV-1a, 64 bits, written here rather than std::hash: std::hash differs between standard
// libraries and their versions, and the names must stay the same on every platform and build
// for a cache to be found again.
constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

struct Fnv1a {
    std::uint64_t hash = kFnvOffset;

    void add(unsigned char byte) {
        hash ^= byte;
        hash *= kFnvPrime;
    }

    // Each field after its length, in eight bytes least significant first, so that no two
    // lists of fields give the same bytes.
    void addField(std::string_view field) {
        auto length = static_cast<std::uint64_t>(field.size());
        for (int i = 0; i < 8; ++i, length >>= 8) add(static_cast<unsigned char>(length & 0xFF));
        for (char c : field) add(static_cast<unsigned char>(c));
    }
};

// Lowercase hex, at least `width` digits.
void appendHex(std::string& text, std::uint64_t value, int width) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, value, 16).ptr;
    text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, width - (end - digits))), '0');
    text.append(digits, end);
}

void appendNumber(std::string& text, std::uint64_t value) {
    char digits[20];
    text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// The name as text when it is ASCII, as all of ours are; else empty, without converting a
// name that may not even be valid in the system's encoding.
std::string asciiName(const fs::path& path) {
    std::string name;
    const auto fileName = path.filename();
    for (auto c : fileName.native()) {
        const auto code = static_cast<std::uint32_t>(c);
        if (code > kLastAscii) return {};
        name += static_cast<char>(code);
    }
    return name;
}

bool isLowerHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

bool isCacheFileName(std::string_view name) {
    return name.size() == kCacheNameLength && name.ends_with(kImageExtension) &&
           std::all_of(name.begin(), name.begin() + kHashDigits, isLowerHex);
}

// Ours: "<image name>.<random>.tmp", and the hidden one the PNG writer makes of that,
// ".<image name>.<random>.<random>.tmp".
bool isTemporaryName(std::string_view name) {
    if (name.starts_with('.')) name.remove_prefix(1);
    return name.size() > kCacheNameLength && isCacheFileName(name.substr(0, kCacheNameLength)) &&
           name[kCacheNameLength] == '.' && name.ends_with(kTemporaryExtension);
}

// Unique among the threads and processes that store the same name at once.
fs::path temporaryFor(const fs::path& target) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    std::string suffix = ".";
    appendHex(suffix, random(), kHashDigits);
    suffix += kTemporaryExtension;
    auto temporary = target;
    temporary += suffix;
    return temporary;
}

// A link, a folder or a file of someone else's standing at the name is kept as much as an
// image of ours.
bool taken(const fs::path& path) {
    std::error_code error;
    return fs::symlink_status(path, error).type() != fs::file_type::not_found;
}

std::runtime_error storeFailure(const fs::path& target, const std::string& why) {
    return std::runtime_error("cannot store the name image " + quoted(target) + ": " + why);
}

// A cache file as the prune weighs it: its name's hash rather than its path, as a path costs
// a few hundred bytes and a cache holds thousands of files.
struct CacheImage {
    std::uint64_t hash;
    fs::file_time_type written;
    std::uintmax_t bytes;
};

std::uint64_t hashOfName(std::string_view name) {
    std::uint64_t hash = 0;
    std::from_chars(name.data(), name.data() + kHashDigits, hash, 16);
    return hash;
}

fs::path cacheFile(const fs::path& folder, std::uint64_t hash) {
    std::string name;
    appendHex(name, hash, kHashDigits);
    name += kImageExtension;
    return folder / name;
}

// A symbolic link, or on Windows any reparse point (a junction is not a symbolic link to the
// standard library): what the cache removes there would be someone else's.
bool isLinked(const fs::path& path) {
#if defined(_WIN32)
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
#else
    std::error_code error;
    return fs::symlink_status(path, error).type() == fs::file_type::symlink;
#endif
}

// A file of the cache's, still a plain file in a folder that is still no link: looked at
// again just before it goes.
bool stillOurs(const fs::path& folder, const fs::path& file) {
    std::error_code error;
    return !cacheFolderIsLinked(folder) && fs::symlink_status(file, error).type() == fs::file_type::regular &&
           !isLinked(file);
}

bool within(const CacheUsage& usage, CacheBound bound) {
    return usage.files <= bound.files && usage.bytes <= bound.bytes;
}

}  // namespace

std::filesystem::path cacheFolder(const std::filesystem::path& dataFolder) {
    return ownFolder(dataFolder) / kCacheFolderName;
}

std::string fontsIdentity(const TextFonts& fonts) {
    std::string identity;
    for (std::size_t i = 0; i < fonts.size(); ++i) {
        const auto& font = fonts.at(i);
        appendNumber(identity, static_cast<std::uint64_t>(font.face->face_index));
        identity += ':';
        appendNumber(identity, font.file->size());
        // The head fields are 32 bits in the file, whatever the width of FreeType's long.
        if (const auto* head = static_cast<const TT_Header*>(FT_Get_Sfnt_Table(font.face, FT_SFNT_HEAD))) {
            identity += ':';
            appendHex(identity, static_cast<std::uint32_t>(head->CheckSum_Adjust), 8);
            identity += ':';
            appendHex(identity, static_cast<std::uint32_t>(head->Font_Revision), 8);
        }
        identity += ';';
    }
    return identity;
}

std::string cacheFileName(std::string_view name, std::string_view fontsIdentity, int height, int maxWidth) {
    Fnv1a fnv;
    fnv.addField(kImageVersion);
    fnv.addField(fontsIdentity);
    fnv.addField(std::to_string(height));
    fnv.addField(std::to_string(maxWidth));
    fnv.addField(name);
    std::string fileName;
    appendHex(fileName, fnv.hash, kHashDigits);
    return fileName + kImageExtension;
}

bool cacheFolderIsLinked(const fs::path& folder) { return isLinked(folder) || isLinked(folder.parent_path()); }

CacheUsage pruneCache(const fs::path& folder, CacheBound bound, const std::atomic<bool>* stop) {
    std::vector<CacheImage> images;
    CacheUsage usage;
    if (cacheFolderIsLinked(folder)) return usage;
    const auto stopped = [stop] { return stop != nullptr && stop->load(std::memory_order_relaxed); };
    const auto now = fs::file_time_type::clock::now();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        if (stopped()) return usage;
        std::error_code ignored;
        // Only plain files: a link is not ours, wherever it leads.
        if (entry->symlink_status(ignored).type() != fs::file_type::regular) continue;
        const auto name = asciiName(entry->path());
        const bool temporary = isTemporaryName(name);
        if (!temporary && !isCacheFileName(name)) continue;
        const auto written = entry->last_write_time(ignored);
        if (ignored) continue;
        if (temporary) {
            if (now - written > kStaleTemporary && stillOurs(folder, entry->path())) fs::remove(entry->path(), ignored);
            continue;
        }
        const auto bytes = entry->file_size(ignored);
        if (ignored) continue;
        images.push_back({hashOfName(name), written, bytes});
        ++usage.files;
        usage.bytes += bytes;
    }
    std::sort(images.begin(), images.end(),
              [](const CacheImage& a, const CacheImage& b) { return a.written < b.written; });
    for (const auto& image : images) {
        if (within(usage, bound) || stopped()) break;
        const auto file = cacheFile(folder, image.hash);
        std::error_code notRemoved;
        if (!stillOurs(folder, file) || !fs::remove(file, notRemoved)) continue;
        --usage.files;
        usage.bytes -= image.bytes;
    }
    return usage;
}

std::uintmax_t storeNameImage(pngfile::PngWriter& writer, const fs::path& folder, const std::string& fileName,
                              const pngfile::RgbaImage& image, const pngfile::ImageOffset& offset) {
    const auto target = folder / pathFromUtf8(fileName);
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) throw storeFailure(target, error.message());
    if (taken(target)) return 0;
    const auto temporary = temporaryFor(target);
    try {
        writer.write(image, offset, temporary);
    } catch (const files::WriteError& e) {
        throw storeFailure(target, e.what());
    }
    const auto bytes = fs::file_size(temporary, error);
    std::error_code ignored;
    if (!error && taken(target)) {
        fs::remove(temporary, ignored);
        return 0;
    }
    // Another process may store the same name between that look and this rename, and its
    // image is then replaced by an equal one: harmless, where a rename that never replaces
    // is not to be had on every platform.
    if (!error) fs::rename(temporary, target, error);
    if (error) {
        fs::remove(temporary, ignored);
        throw storeFailure(target, error.message());
    }
    return bytes;
}

std::optional<pngfile::ImageOffset> useCachedImage(const fs::path& file) {
    std::error_code error;
    if (fs::symlink_status(file, error).type() != fs::file_type::regular) return std::nullopt;
    const auto frame = pngfile::readPngFrame(file, kMaxImageBytes);
    if (!frame || frame->width <= 0 || frame->height <= 0) {
        if (isCacheFileName(asciiName(file)) && stillOurs(file.parent_path(), file)) fs::remove(file, error);
        return std::nullopt;
    }
    fs::last_write_time(file, fs::file_time_type::clock::now(), error);
    if (error) return std::nullopt;
    return frame->offset;
}
