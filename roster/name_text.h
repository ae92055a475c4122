#pragma once

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

#include "ImageWrapper.h"

// The size a name is set at as one image: its height and the room it may take to the
// screen's right edge, in screen pixels.
struct NameSize {
    int height = 0;
    int maxWidth = 0;

    bool operator==(const NameSize&) const = default;
};

enum class NameState { queued, ready, failed };

// One name to set as an image, shared by the player's record on the game thread and the
// worker that sets it. The worker writes `file` and the offset before it stores a final
// `state`; the game thread reads them only after it has seen that state.
struct NameRequest {
    std::string name;
    NameSize size;
    std::filesystem::path file;
    // Where the image goes from the row's start, in screen pixels: it is grown past the row
    // wherever ink reaches beyond it.
    int offsetX = 0;
    int offsetY = 0;
    std::atomic<NameState> state{NameState::queued};
};

// A player's name set as one image, while the names are drawn as text: the request for it,
// then the image once the game thread has made it from the finished file.
struct NameText {
    std::shared_ptr<NameRequest> request;
    std::shared_ptr<ImageWrapper> image;
};
