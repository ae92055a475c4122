#pragma once

// Paths from and to UTF-8 text, the way every path reaches and leaves the runner, and the
// data folder that the host reports to the plugin.

#include <filesystem>
#include <optional>
#include <string>

#include "path_text.h"

namespace hostrun {

// Throws BadInput when the working folder is gone (removed after the shell changed into
// it): relative paths would then name nothing, and the data folder could not be resolved.
void checkWorkingFolder();

// The data folder a run uses: --data if given (relative to the working folder), else the
// scenario's "data" field, else "data", both relative to the scenario's folder.
std::filesystem::path resolveDataFolder(const std::optional<std::filesystem::path>& option,
                                        const std::filesystem::path& scenarioFile,
                                        const std::optional<std::string>& scenarioData);

}  // namespace hostrun
