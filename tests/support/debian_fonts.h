#pragma once

// Debian fonts the tests draw with; .ci/install-deps installs them. Under Wine such a path
// names the same file, through the drive Wine maps to the root folder.
inline constexpr char kDejaVuSans[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr char kDejaVuSansBold[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
inline constexpr char kNotoSansCjk[] = "/usr/share/fonts/opentype/noto/NotoSansCJK-Regular.ttc";
inline constexpr char kNotoSansArabic[] = "/usr/share/fonts/truetype/noto/NotoSansArabic-Regular.ttf";
inline constexpr char kNotoColorEmoji[] = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";
