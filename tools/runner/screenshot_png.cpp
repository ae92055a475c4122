#include "bad_input.h"
#include "png_error.h"
#include "png_writer.h"
#include "screenshot.h"
#include "screenshot_scene.h"

namespace hostrun {

ScreenshotReport writeScreenshot(const DrawnFrame& frame, const std::filesystem::path& file) {
    auto picture = scoreboardPicture(frame.screen, blockRows(frame));
    GlyphImageCache cache(frame.images, kDecodedImageBudget);
    paintDraws(picture, frame, cache);
    try {
        pngfile::PngWriter().write(picture, file);
    } catch (const files::OutputRefused& e) {
        throw BadInput(e.what());
    }
    return {cache.filesShown(), cache.failures(), cache.overBudget()};
}

}  // namespace hostrun
