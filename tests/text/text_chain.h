#pragma once

#include <memory>
#include <vector>

#include "text_fonts.h"

// The fonts the engine's tests set names with, in this order; Debian's, which
// .ci/install-deps installs. Under Wine such a path names the same file through the drive
// Wine maps to the root folder.
enum ChainFont : std::uint32_t { kCjk, kArabic, kHebrew, kThai, kDevanagari, kDejaVu, kEmoji };

inline std::vector<FontSource> testChain() {
    return {{"/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc", 0},
            {"/usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf", 0},
            {"/usr/share/fonts/truetype/noto/NotoSansHebrew-Regular.ttf", 0},
            {"/usr/share/fonts/truetype/noto/NotoSansThai-Regular.ttf", 0},
            {"/usr/share/fonts/truetype/noto/NotoSansDevanagari-Regular.ttf", 0},
            {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 0},
            {"/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf", 0}};
}

// Opened once for a whole test program, as the plugin opens its chain once.
inline TextFonts& sharedChain() {
    static TextFonts fonts(testChain());
    return fonts;
}
