#include "paths.h"

#include "bad_input.h"

namespace hostrun {

void checkWorkingFolder() {
    std::error_code error;
    if (!std::filesystem::current_path(error).empty() && !error) return;
    throw BadInput("the working folder cannot be found (" + error.message() +
                   "); it may have been removed: change to an existing folder and run again");
}

std::filesystem::path resolveDataFolder(const std::optional<std::filesystem::path>& option,
                                        const std::filesystem::path& scenarioFile,
                                        const std::optional<std::string>& scenarioData) {
    std::filesystem::path folder =
        option ? *option : scenarioFile.parent_path() / pathFromUtf8(scenarioData.value_or("data"));
    folder = std::filesystem::absolute(folder).lexically_normal();
    // "D/" and "D" are one folder; without the trailing separator, image paths that the
    // plugin joins to it compare equal to it component by component.
    if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
    return folder;
}

}  // namespace hostrun
