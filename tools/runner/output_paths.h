#pragma once

// The files a run writes must not be the scenario it reads, nor one another: the trace would
// truncate the scenario before it is read again, or the picture replace the trace.

#include <filesystem>
#include <optional>

namespace hostrun {

// Whether two paths name one file: the same file where both exist (through a link or
// another spelling), else the same absolute path once normalised.
bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b);

// Refuses --trace or --screenshot naming the scenario file, and the two naming one file.
// Nothing for an output not given (standard output for the trace). Throws BadInput naming
// the file.
void checkOutputsApart(const std::filesystem::path& scenario,
                       const std::optional<std::filesystem::path>& trace,
                       const std::optional<std::filesystem::path>& screenshot);

}  // namespace hostrun
