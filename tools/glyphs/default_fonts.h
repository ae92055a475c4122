#pragma once

#include <filesystem>
#include <span>
#include <vector>

#include "font_face.h"

// A font of a default chain: its file in the system's fonts folder, and how to name it to a
// user who lacks it.
struct DefaultFont {
    const char* file;
    const char* name;
};

// Debian: Noto Sans CJK draws what it has (its first face is the Japanese one), DejaVu Sans
// the Latin, Greek and Cyrillic letters it lacks, and Noto Color Emoji the emoji.
inline constexpr char kDebianFontsFolder[] = "/usr/share/fonts";
inline constexpr DefaultFont kDebianFonts[] = {
    {"opentype/noto/NotoSansCJK-Regular.ttc", "Debian package fonts-noto-cjk"},
    {"truetype/dejavu/DejaVuSans.ttf", "Debian package fonts-dejavu-core"},
    {"truetype/noto/NotoColorEmoji.ttf", "Debian package fonts-noto-color-emoji"},
};

// The fonts every Windows 10 and 11 has, in an order for names: Latin, Greek and Cyrillic,
// Japanese, Korean, Chinese, symbols, then colour emoji (Segoe UI Emoji draws in layers).
inline constexpr DefaultFont kWindowsFonts[] = {
    {"segoeui.ttf", "Segoe UI"},        {"YuGothR.ttc", "Yu Gothic"},    {"meiryo.ttc", "Meiryo"},
    {"malgun.ttf", "Malgun Gothic"},    {"msyh.ttc", "Microsoft YaHei"}, {"seguisym.ttf", "Segoe UI Symbol"},
    {"seguiemj.ttf", "Segoe UI Emoji"},
};

struct DefaultFontChain {
    std::filesystem::path folder;
    std::span<const DefaultFont> fonts;
};

// This system's chain: Windows' own fonts in %WINDIR%\Fonts on Windows, Debian's elsewhere.
DefaultFontChain defaultFontChain();

struct FontChoice {
    std::vector<FontSource> installed;  // in the chain's order: the first is the main font
    std::vector<DefaultFont> missing;   // to be named to the user: their characters go undrawn
};

// The chain's fonts split into those present in its folder and those not: a machine without
// one of them still gets every other character.
FontChoice findDefaultFonts(const DefaultFontChain& chain);
