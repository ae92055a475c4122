#pragma once

#include <cstdint>

#include "ImageWrapper.h"
#include "Vector2.h"
#include "sdk_api.h"

// The canvas of one drawn frame, handed to every registered drawable.
class PLUGINSDK_API CanvasWrapper {
public:
    explicit CanvasWrapper(std::uintptr_t mem);
    void SetColor(char red, char green, char blue, char alpha);
    void SetPosition(Vector2 position);
    void DrawTexture(ImageWrapper* image, float scale);

private:
    std::uintptr_t memory_address;
};
