#pragma once

// Paths from and to UTF-8 text, the way every path reaches and leaves the runner, and the
// data folder that the host reports to the plugin.

#include <filesystem>
#include <optional>
#include <string>

namespace hostrun {

// A path from UTF-8 text; on Windows this gives the right wide path for any name.
std::filesystem::path pathFromUtf8(const std::string& text);

// A path as UTF-8 text with the platform's separators, for messages.
std::string displayText(const std::filesystem::path& path);

// The data folder a run uses: --data if given (relative to the working folder), else the
// scenario's "data" field, else "data", both relative to the scenario's folder.
std::filesystem::path resolveDataFolder(const std::optional<std::filesystem::path>& option,
                                        const std::filesystem::path& scenarioFile,
                                        const std::optional<std::string>& scenarioData);

}  // namespace hostrun
