#include <fstream>

#include "ImageWrapper.h"
#include "world.h"

// The stand-in keeps only the path and whether the file could be opened; the host runner
// reads the pixels itself when it paints a screenshot.
ImageWrapper::ImageWrapper(std::filesystem::path path, bool, bool) : handle_(-1) {
    auto* w = sim::World::current();
    if (w == nullptr) return;
    bool readable = std::ifstream(path, std::ios::binary).good();
    handle_ = static_cast<int>(w->images.size());
    sim::Call c;
    c.op = sim::Op::ImageWrapper;
    c.text = sim::utf8(path);
    c.value = handle_;
    w->calls.push_back(std::move(c));
    w->images.push_back({std::move(path), readable});
}
