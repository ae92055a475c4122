#pragma once

// The glyph codes a name is drawn with: its split, zero-width characters left out, the
// first kMaxGlyphsPerName kept. The plugin's glyph work and the glyph check share it.

#include <string>
#include <string_view>
#include <vector>

std::vector<std::string> drawnGlyphCodes(std::string_view displayName);
