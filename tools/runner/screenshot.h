#pragma once

// --screenshot: the last frame of a run as a PNG picture the size of the screen.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "frame_record.h"
#include "scenario.h"
#include "world.h"

namespace hostrun {

// A screen larger than this each way is refused: its picture would not fit in memory.
inline constexpr int kMaxScreenshotSide = 16384;

// The glyph images one picture decodes, at most, as RGBA: a glyph set of huge images (sixteen
// of 4096 x 4096 take 1 GiB) must not take all memory. An image past it is drawn as the red
// box of one that could not be loaded.
inline constexpr std::uintmax_t kDecodedImageBudgetMiB = 256;
inline constexpr std::uintmax_t kDecodedImageBudget = kDecodedImageBudgetMiB << 20;

// Refuses, before anything runs, a scenario that gives nothing to picture: it draws no
// frame, or the screen at its last frame is empty or too large. Throws BadInput naming
// the scenario.
void checkScreenshotRequest(const Scenario& scenario, const std::string& scenarioName);

// Refuses, before anything runs, a file the picture could not go to: its folder does not
// exist, or something other than a regular file stands there (a folder, a link, a device),
// which is left as it is. Throws BadInput naming the file.
void checkScreenshotFile(const std::filesystem::path& file);

struct ScreenshotReport {
    std::size_t imageFiles = 0;        // distinct glyph image files the frame drew
    std::vector<std::string> missing;  // those that could not be shown, with the reason
    std::size_t overBudget = 0;        // of the missing, those skipped over kDecodedImageBudget
};

// Paints the frame and writes it to file, replacing a regular file only once the picture
// is complete. Throws BadInput when something other than a regular file has come to stand
// at the path since it was checked, and std::runtime_error naming the file when it cannot
// be written.
ScreenshotReport writeScreenshot(const DrawnFrame& frame, const std::filesystem::path& file);

}  // namespace hostrun
