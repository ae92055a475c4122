#include "frame_record.h"

namespace hostrun {
namespace {
// A canvas starts every frame drawing opaque white at the top left corner.
constexpr std::array<std::uint8_t, 4> kStartColour = {255, 255, 255, 255};
}  // namespace

void recordFrame(const sim::World& world, DrawnFrame& frame) {
    frame.screen = world.screen;
    frame.draws.clear();
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
                frame.draws.push_back({position, call.scale, call.value, colour});
                break;
            default:
                break;
        }
    }
}

}  // namespace hostrun
