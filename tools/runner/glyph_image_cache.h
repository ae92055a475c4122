#pragma once

#include <cstddef>
#include <cstdint>
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
    // decodedBudget: the bytes of RGBA all decoded images may take together; an image that
    // would pass it is not decoded and counts as one that could not be shown.
    GlyphImageCache(const std::vector<sim::Image>& images, std::uintmax_t decodedBudget);

    // The decoded image behind a handle, or nullptr when there is none to show: no such
    // handle, or its file missing, not a regular file, unreadable, too large, not a PNG or
    // past the budget.
    const pngfile::RgbaImage* find(int handle);

    // The file behind a handle; empty for no such handle.
    std::filesystem::path file(int handle) const;

    std::size_t filesShown() const { return files_.size(); }
    // Files that could not be shown, each once, in the order they were first asked for,
    // with the reason: "DATA/assets/png/3042.png: no such file".
    const std::vector<std::string>& failures() const { return failures_; }
    // Of the failures, the files skipped because the budget was spent.
    std::size_t overBudget() const { return overBudget_; }

private:
    pngfile::PngReadResult read(const sim::Image& image);

    const std::vector<sim::Image>& images_;
    std::uintmax_t budgetLeft_;
    std::map<std::filesystem::path, pngfile::PngReadResult> files_;
    std::vector<std::string> failures_;
    std::size_t overBudget_ = 0;
};

}  // namespace hostrun
