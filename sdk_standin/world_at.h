#pragma once

// The world behind a wrapper: every wrapper the stand-in hands out carries its world's
// address, as the real SDK's carry the game's memory.

#include <cstdint>

#include "world.h"

namespace sim {

inline World& worldAt(std::uintptr_t address) { return *reinterpret_cast<World*>(address); }

}  // namespace sim
