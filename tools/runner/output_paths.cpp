#include "output_paths.h"

#include <string>

#include "bad_input.h"
#include "paths.h"

namespace hostrun {
namespace {

namespace fs = std::filesystem;

fs::path normalAbsolute(const fs::path& path) {
    std::error_code error;
    auto absolute = fs::absolute(path, error);
    return (error ? path : absolute).lexically_normal();
}

void refuseScenario(const fs::path& output, const std::string& option, const std::string& what) {
    throw BadInput(displayText(output) + ": " + option + " names the scenario file, which the " + what +
                   " would overwrite; give it a file of its own");
}

}  // namespace

bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code error;
    const bool aExists = fs::exists(a, error);
    const bool bExists = fs::exists(b, error);
    if (aExists && bExists) return fs::equivalent(a, b, error) && !error;
    if (aExists != bExists) return false;
    return normalAbsolute(a) == normalAbsolute(b);
}

void checkOutputsApart(const fs::path& scenario, const std::optional<fs::path>& trace,
                       const std::optional<fs::path>& screenshot) {
    if (trace && sameFile(*trace, scenario)) refuseScenario(*trace, "--trace", "trace");
    if (screenshot && sameFile(*screenshot, scenario)) refuseScenario(*screenshot, "--screenshot", "picture");
    if (trace && screenshot && sameFile(*trace, *screenshot)) {
        throw BadInput(displayText(*screenshot) +
                       ": --trace and --screenshot name the same file; give each a file of its own");
    }
}

}  // namespace hostrun
