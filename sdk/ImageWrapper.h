#pragma once

#include <cstdint>
#include <filesystem>

#include "sdk_api.h"

// A texture loaded from an image file. A missing or unreadable file is no error: the
// host then draws nothing for it.
class PLUGINSDK_API ImageWrapper {
public:
    ImageWrapper(std::filesystem::path path, bool canvasLoad, bool activate);
    // Frees the texture: the plugin holds each image under shared ownership, so the last
    // reference going is the image going.
    ~ImageWrapper();
    ImageWrapper(const ImageWrapper&) = delete;
    ImageWrapper& operator=(const ImageWrapper&) = delete;

    // Host-side handle of the texture; the host's canvas uses it to find the pixels.
    int handle() const { return handle_; }

private:
    int handle_;
    std::uintptr_t host_;
};
