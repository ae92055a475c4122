#include "bad_input.h"
#include "output_file.h"
#include "paths.h"
#include "screenshot.h"

namespace hostrun {

void checkScreenshotFile(const std::filesystem::path& file) {
    const auto name = displayText(file);
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) {
        throw BadInput(name + ": is a folder; --screenshot takes the name of the PNG file to write");
    }
    if (auto kind = files::unreplaceableKind(file)) throw BadInput(files::refusalMessage(file, *kind));
    auto folder = file.parent_path();
    if (!folder.empty() && !std::filesystem::is_directory(folder, error)) {
        throw BadInput(name + ": cannot write the screenshot: there is no folder " + displayText(folder));
    }
}

}  // namespace hostrun
