#pragma once

#include <filesystem>
#include <vector>

#include "font_face.h"
#include "glyph_plan.h"
#include "progress_bar.h"

// Renders and writes every job into `folder`, on `threads` threads that each open the
// fonts for themselves, and returns how many glyphs were fitted into their cells. Stops at
// the first failure and throws it: a ToolError, or the PNG writer's WriteError or OutputRefused.
std::size_t renderGlyphs(const std::vector<GlyphJob>& jobs, const std::vector<FontSource>& fonts,
                         const std::filesystem::path& folder, unsigned threads, ProgressBar& progress);
