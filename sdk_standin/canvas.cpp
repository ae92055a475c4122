#include "CanvasWrapper.h"
#include "world_at.h"

// Canvas calls happen every frame: their records carry no strings, so recording a frame
// allocates nothing once the record has grown to its working size.
CanvasWrapper::CanvasWrapper(std::uintptr_t mem) : memory_address(mem) {}

void CanvasWrapper::SetColor(char red, char green, char blue, char alpha) {
    sim::Call c;
    c.op = sim::Op::SetColor;
    c.rgba = {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
              static_cast<std::uint8_t>(blue), static_cast<std::uint8_t>(alpha)};
    sim::worldAt(memory_address).calls.push_back(std::move(c));
}

void CanvasWrapper::SetPosition(Vector2 position) {
    sim::Call c;
    c.op = sim::Op::SetPosition;
    c.position = position;
    sim::worldAt(memory_address).calls.push_back(std::move(c));
}

void CanvasWrapper::DrawTexture(ImageWrapper* image, float scale) {
    sim::Call c;
    c.op = sim::Op::DrawTexture;
    c.value = image == nullptr ? -1 : image->handle();
    c.scale = scale;
    sim::worldAt(memory_address).calls.push_back(std::move(c));
}
