#pragma once

// The Debian fonts the tests draw with; .ci/install-deps installs them. Under Wine such a
// path names the same file, through the drive Wine maps to the root folder.

#include "build_command.h"

inline constexpr char kCjkFont[] = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
inline constexpr char kTextFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr char kEmojiFont[] = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";
inline constexpr char kArabicFont[] = "/usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf";

// Options that draw with Noto Sans CJK alone, the main font of Debian's default chain.
inline BuildOptions cjkOptions() {
    BuildOptions options;
    options.font = {kCjkFont, 0};
    return options;
}
