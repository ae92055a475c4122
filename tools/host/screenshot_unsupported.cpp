#include <stdexcept>

#include "screenshot.h"

// The Windows build has no libpng: main refuses --screenshot before a run, so this is
// never reached there.
namespace hostrun {

bool screenshotsSupported() { return false; }

void checkScreenshotFile(const std::filesystem::path&) {
    throw std::logic_error("this build of veltrona-host cannot write screenshots");
}

ScreenshotReport writeScreenshot(const DrawnFrame&, const std::filesystem::path&) {
    throw std::logic_error("this build of veltrona-host cannot write screenshots");
}

}  // namespace hostrun
