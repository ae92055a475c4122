#include "glyph_image_cache.h"

#include "paths.h"

namespace hostrun {
namespace {
// Glyph images are a few dozen pixels across and a few kilobytes; anything this large is
// not one.
constexpr pngfile::PngLimits kGlyphImageLimits = {.maxSide = 4096, .maxBytes = 8 << 20};
constexpr char kOverBudget[] = "skipped over the budget for decoded images: ";
}  // namespace

GlyphImageCache::GlyphImageCache(const std::vector<sim::Image>& images, std::uintmax_t decodedBudget)
    : images_(images), budgetLeft_(decodedBudget) {}

std::filesystem::path GlyphImageCache::file(int handle) const {
    if (handle < 0 || static_cast<std::size_t>(handle) >= images_.size()) return {};
    return images_[static_cast<std::size_t>(handle)].path;
}

pngfile::PngReadResult GlyphImageCache::read(const sim::Image& image) {
    // What the plugin could not open when it made the image stays missing.
    if (!image.readable) {
        std::error_code error;
        return {std::nullopt,
                std::filesystem::exists(image.path, error) ? "could not be opened" : "no such file"};
    }
    auto limits = kGlyphImageLimits;
    limits.maxDecodedBytes = budgetLeft_;
    auto result = pngfile::readPng(image.path, limits);
    if (result.image) budgetLeft_ -= result.image->rgba.size();
    if (result.overDecodedLimit) {
        ++overBudget_;
        result.error = kOverBudget + result.error;
    }
    return result;
}

const pngfile::RgbaImage* GlyphImageCache::find(int handle) {
    auto path = file(handle);
    if (path.empty()) return nullptr;
    auto known = files_.find(path);
    if (known == files_.end()) {
        auto result = read(images_[static_cast<std::size_t>(handle)]);
        if (!result.image) failures_.push_back(displayText(path) + ": " + result.error);
        known = files_.emplace(path, std::move(result)).first;
    }
    return known->second.image ? &*known->second.image : nullptr;
}

}  // namespace hostrun
