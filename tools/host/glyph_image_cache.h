#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "png_reader.h"
#include "rgba_image.h"
#include "world.h"

namespace hostrun {

// The glyph images a picture shows, each file decoded once however many draws show it,
// and which files could not be shown.
class GlyphImageCache {
public:
    explicit GlyphImageCache(const std::vector<sim::Image>& images);

    // The decoded image behind a handle, or nullptr when there is none to show: no such
    // handle, or its file missing, not a regular file, unreadable, too large or not a PNG.
    const pngfile::RgbaImage* find(int handle);

    // The file behind a handle; empty for no such handle.
    std::filesystem::path file(int handle) const;

    std::size_t filesShown() const { return files_.size(); }
    // Files that could not be shown, each once, in the order they were first asked for,
    // with the reason: "DATA/assets/png/3042.png: no such file".
    const std::vector<std::string>& failures() const { return failures_; }

private:
    const std::vector<sim::Image>& images_;
    std::map<std::filesystem::path, pngfile::PngReadResult> files_;
    std::vector<std::string> failures_;
};

}  // namespace hostrun
