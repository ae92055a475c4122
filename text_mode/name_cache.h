#pragma once

// Names set as images, kept as PNG files in Veltrona's cache folder so that a name met again,
// in this match or after a reload, is read rather than set anew. The folder is bounded: the
// names met longest ago go first.

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "png_writer.h"
#include "rgba_image.h"

class TextFonts;

// <data>/veltrona/cache
std::filesystem::path cacheFolder(const std::filesystem::path& dataFolder);

// What the chain's fonts are, to tell apart images set with other fonts: the same for the
// same font files wherever they lie and on every platform, different when a font is
// updated. Per font, in chain order: its face, its file's size, and its `head` table's
// checksum adjustment and revision where it has one.
std::string fontsIdentity(const TextFonts& fonts);

// The name of the file an image of `name` is kept under, set with these fonts at this
// height and cut to this width: 16 lowercase hex digits and ".png", the same on every
// platform and build.
std::string cacheFileName(std::string_view name, std::string_view fontsIdentity, int height, int maxWidth);

struct CacheBound {
    std::size_t files;
    std::uintmax_t bytes;
};

// A few thousand names, a few tens of megabytes.
inline constexpr CacheBound kCacheBound{4000, 40ull << 20};

struct CacheUsage {
    std::size_t files = 0;
    std::uintmax_t bytes = 0;
};

// Whether the cache folder, or Veltrona's folder holding it, is a symbolic link or (on
// Windows) a junction or other reparse point: the cache neither writes nor removes there,
// as what it would remove could be anyone's.
bool cacheFolderIsLinked(const std::filesystem::path& folder);

// Removes the cache's images least lately written or used until the folder is within
// `bound`, and the temporary files a crash left (an hour old). Everything else in the folder
// (other files, folders, links) is left alone, and each file is looked at again just before
// it goes; a linked folder is not pruned at all. What cannot be removed is skipped; a folder
// that cannot be read is empty. Stops at once when `stop` is set. Returns what is left (as
// far as it looked).
CacheUsage pruneCache(const std::filesystem::path& folder, CacheBound bound,
                      const std::atomic<bool>* stop = nullptr);

// Keeps `image` as `fileName` in `folder`, creating the folder: written to a temporary file
// beside it, then renamed to the name unless a file already stands there, which is kept.
// Returns the bytes written, 0 when a file was kept. Throws std::runtime_error naming the
// file and why, leaving no temporary file.
// The image's offset from the name's start on its row goes with it, in the file. `writer`
// is kept by the caller from file to file, with its buffers.
std::uintmax_t storeNameImage(pngfile::PngWriter& writer, const std::filesystem::path& folder,
                              const std::string& fileName, const pngfile::RgbaImage& image,
                              const pngfile::ImageOffset& offset);

// A cache file found whole (signature, header and end chunk in place): marked as just used
// (its last write time now), so that pruning keeps it among the names met lately, and its
// image's offset. A file of the cache's that is damaged (emptied or cut short by a power
// cut, say) is removed so that the name is set again; none when there is no such file.
std::optional<pngfile::ImageOffset> useCachedImage(const std::filesystem::path& file);
