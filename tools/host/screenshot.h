#pragma once

// --screenshot: the last frame of a run as a PNG picture the size of the screen.

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "frame_record.h"
#include "scenario.h"
#include "world.h"

namespace hostrun {

// A screen larger than this each way is refused: its picture would not fit in memory.
inline constexpr int kMaxScreenshotSide = 16384;

// Screenshots need libpng, which the Windows build goes without.
bool screenshotsSupported();

// Refuses, before anything runs, a screenshot that could not be taken: the scenario draws
// no frame, the screen at its last frame is empty or too large, or the file's folder does
// not exist. Throws BadInput naming the scenario or the file.
void checkScreenshotRequest(const Scenario& scenario, const std::string& scenarioName,
                            const std::filesystem::path& file);

struct ScreenshotReport {
    std::size_t imageFiles = 0;        // distinct glyph image files the frame drew
    std::vector<std::string> missing;  // those that could not be shown, with the reason
};

// Paints the frame and writes it to file. Throws std::runtime_error naming the file when
// it cannot be written.
ScreenshotReport writeScreenshot(const DrawnFrame& frame, const std::filesystem::path& file);

}  // namespace hostrun
