#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace hostrun {

// A scenario is a few kilobytes; this is far beyond any, and still a bounded read.
inline constexpr std::uintmax_t kMaxScenarioBytes = std::uintmax_t{64} << 20;

// The bytes of a scenario file. Only a regular file (links followed) of at most
// kMaxScenarioBytes is read: a named pipe would block the run and a device may never end,
// so either is refused before it is opened. Throws BadInput naming the file.
std::string scenarioFileText(const std::filesystem::path& file);

}  // namespace hostrun
