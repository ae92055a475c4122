#include "frame_record.h"

namespace hostrun {
namespace {
// A canvas starts every frame drawing opaque white at the top left corner.
constexpr std::array<std::uint8_t, 4> kStartColour = {255, 255, 255, 255};

int frameImage(const sim::World& world, DrawnFrame& frame, int handle) {
    if (auto known = frame.imageIndex.find(handle); known != frame.imageIndex.end()) return known->second;
    auto image = world.images.find(handle);
    if (image == world.images.end()) return -1;
    auto index = static_cast<int>(frame.images.size());
    frame.images.push_back(image->second);
    frame.imageIndex.emplace(handle, index);
    return index;
}
}  // namespace

void recordFrame(const sim::World& world, DrawnFrame& frame) {
    frame.screen = world.screen;
    frame.draws.clear();
    frame.images.clear();
    frame.imageIndex.clear();
    auto colour = kStartColour;
    Vector2 position{0, 0};
    for (const auto& call : world.calls) {
        switch (call.op) {
            case sim::Op::SetColor:
                colour = call.rgba;
                break;
            case sim::Op::SetPosition:
                position = call.position;
                break;
            case sim::Op::DrawTexture:
                frame.draws.push_back({position, call.scale, frameImage(world, frame, call.value), colour});
                break;
            default:
                break;
        }
    }
}

}  // namespace hostrun
