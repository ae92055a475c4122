#include <fstream>
#include <new>
#include <system_error>

#include "ImageWrapper.h"
#include "world.h"

namespace {
// Only a regular file is opened: a FIFO would block the game thread, and a device such as
// /dev/zero is no image.
bool readableFile(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    return std::ifstream(path, std::ios::binary).good();
}
}  // namespace

// The stand-in keeps only the path and whether the file could be opened; the host runner
// reads the pixels itself when it paints a screenshot.
ImageWrapper::ImageWrapper(std::filesystem::path path, bool, bool) : handle_(-1), host_(0) {
    auto* w = sim::World::current();
    if (w == nullptr) return;
    if (w->imagesBeforeFailure == 0) throw std::bad_alloc();
    if (w->imagesBeforeFailure > 0) --w->imagesBeforeFailure;
    bool readable = readableFile(path);
    handle_ = w->nextImageHandle++;
    host_ = w->address();
    sim::Call c;
    c.op = sim::Op::ImageWrapper;
    c.text = sim::utf8(path);
    c.value = handle_;
    w->calls.push_back(std::move(c));
    w->images.emplace(handle_, sim::Image{std::move(path), readable});
}

ImageWrapper::~ImageWrapper() {
    // An image made by a world that is gone, or by another one, is not this world's to free.
    auto* w = sim::World::current();
    if (w == nullptr || handle_ < 0 || w->address() != host_) return;
    w->releasedImages.push_back(handle_);
}
