#pragma once

// Random matches for the soak: any player list, any names, any order of the host's calls
// that the runner accepts. A scenario depends on its seed and step count alone, and one of
// more steps begins with the one of fewer, so a failure is replayed from its seed.

#include <cstdint>
#include <nlohmann/json.hpp>

namespace soak {

// A scenario for the runner; its "data" field names the folder "data" beside the file.
nlohmann::json randomScenario(std::uint64_t seed, std::uint64_t steps);

}  // namespace soak
