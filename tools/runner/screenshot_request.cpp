#include "bad_input.h"
#include "screenshot.h"

namespace hostrun {
namespace {

std::string sizeText(Vector2 size) { return std::to_string(size.X) + " x " + std::to_string(size.Y); }

}  // namespace

void checkScreenshotRequest(const Scenario& scenario, const std::string& scenarioName) {
    const std::string where = scenarioName + ": --screenshot: ";
    auto screen = scenario.screenAtLastFrame();
    if (!screen) {
        throw BadInput(where +
                       "the scenario draws no frame, so there is nothing to picture; add a step "
                       "{\"frames\": 1} where the picture should be taken");
    }
    if (screen->X < 1 || screen->Y < 1) {
        throw BadInput(where + "the screen at the last frame is " + sizeText(*screen) +
                       "; a picture needs at least 1 x 1");
    }
    if (screen->X > kMaxScreenshotSide || screen->Y > kMaxScreenshotSide) {
        throw BadInput(where + "the screen at the last frame is " + sizeText(*screen) +
                       "; a picture is at most " + std::to_string(kMaxScreenshotSide) + " pixels each way");
    }
}

}  // namespace hostrun
