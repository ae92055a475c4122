#pragma once

#include <filesystem>

#include "sdk_api.h"

// A texture loaded from an image file. A missing or unreadable file is no error: the
// host then draws nothing for it.
class PLUGINSDK_API ImageWrapper {
public:
    ImageWrapper(std::filesystem::path path, bool canvasLoad, bool activate);

    // Host-side handle of the texture; the host's canvas uses it to find the pixels.
    int handle() const { return handle_; }

private:
    int handle_;
};
