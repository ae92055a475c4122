#pragma once

#include <span>
#include <vector>

#include "font_face.h"

// A font the default chain falls back on, and the Debian package that installs it.
struct DefaultFallback {
    const char* path;
    const char* package;
};

// Without --font and --fallback, Noto Sans CJK draws what it has, DejaVu Sans the Latin,
// Greek and Cyrillic letters it lacks, and Noto Color Emoji the emoji.
inline constexpr DefaultFallback kDefaultFallbackFonts[] = {
    {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", "fonts-dejavu-core"},
    {"/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf", "fonts-noto-color-emoji"},
};

struct FallbackChoice {
    std::vector<FontSource> installed;     // in the given order
    std::vector<DefaultFallback> missing;  // to be named to the user: their characters go undrawn
};

// The default fallbacks split into those installed and those not: a machine without the
// emoji font still gets every other character.
FallbackChoice installedFallbacks(std::span<const DefaultFallback> fonts);
