#include "glyph_image_cache.h"

#include "paths.h"

namespace hostrun {
namespace {
// Glyph images are a few dozen pixels across and a few kilobytes; anything this large is
// not one.
constexpr pngfile::PngLimits kGlyphImageLimits = {.maxSide = 4096, .maxBytes = 8 << 20};
}  // namespace

GlyphImageCache::GlyphImageCache(const std::vector<sim::Image>& images) : images_(images) {}

std::filesystem::path GlyphImageCache::file(int handle) const {
    if (handle < 0 || static_cast<std::size_t>(handle) >= images_.size()) return {};
    return images_[static_cast<std::size_t>(handle)].path;
}

const pngfile::RgbaImage* GlyphImageCache::find(int handle) {
    auto path = file(handle);
    if (path.empty()) return nullptr;
    auto known = files_.find(path);
    if (known == files_.end()) {
        // What the plugin could not open when it made the image stays missing.
        const auto& image = images_[static_cast<std::size_t>(handle)];
        std::error_code error;
        auto result = image.readable
                          ? pngfile::readPng(path, kGlyphImageLimits)
                          : pngfile::PngReadResult{std::nullopt, std::filesystem::exists(path, error)
                                                                     ? "could not be opened"
                                                                     : "no such file"};
        if (!result.image) failures_.push_back(displayText(path) + ": " + result.error);
        known = files_.emplace(path, std::move(result)).first;
    }
    return known->second.image ? &*known->second.image : nullptr;
}

}  // namespace hostrun
