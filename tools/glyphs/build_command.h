#pragma once

#include <cstddef>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "character_selection.h"
#include "font_face.h"
#include "glyph_plan.h"
#include "glyph_raster.h"

struct BuildOptions {
    std::filesystem::path dataFolder;
    FontSource font;
    std::vector<FontSource> fallbacks;  // for characters the main font lacks
    CharacterRequest characters;
    unsigned threads = 1;
    bool progressBar = false;
    // Draw only the characters whose files are not there yet; the others stay as they are.
    bool onlyMissing = false;
};

struct BuildResult {
    std::filesystem::path folder;
    std::vector<std::string> fontNames;  // the main font, then the fallbacks
    RasterMetrics metrics{};
    std::size_t written = 0;
    std::vector<std::size_t> writtenPerFont;
    std::vector<CodePoint> missing;
    std::vector<CodePoint> noFileNeeded;  // drawn as nothing by the plugin
    std::size_t alreadyThere = 0;         // left as they were, with onlyMissing
    std::size_t fitted = 0;               // moved or scaled so that no ink is cut at the cell's edges
    double seconds = 0;
};

// Writes DATA/assets/png/STEM.png for every character asked for that a font has. The
// progress bar goes to `progressOut`. Throws ToolError, files::WriteError when an image
// cannot be written, and files::OutputRefused, before anything is drawn, when something other than a
// regular file stands where an image goes.
BuildResult buildGlyphSet(const BuildOptions& options, std::ostream& progressOut);

void printBuildSummary(const BuildResult& result, std::ostream& out);
