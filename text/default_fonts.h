#pragma once

#include <filesystem>
#include <span>
#include <vector>

#include "font_source.h"

// A font of a default chain: its file in the system's fonts folder, and how to name it to a
// user who lacks it.
struct DefaultFont {
    const char* file;
    const char* name;
    long face = 0;
};

// Debian: Noto Sans CJK draws what it has (its first face is the Japanese one), Noto's
// families of the world's scripts what they have, DejaVu Sans the Latin, Greek and Cyrillic
// letters left, Noto Sans the phonetic letters and signs DejaVu lacks, then mathematical
// letters and symbols, and Noto Color Emoji the emoji.
inline constexpr char kDebianFontsFolder[] = "/usr/share/fonts";
inline constexpr DefaultFont kDebianFonts[] = {
    {"opentype/noto/NotoSansCJK-Regular.ttc", "Debian package fonts-noto-cjk"},
    {"truetype/noto/NotoSansArabic-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansHebrew-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansThai-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansDevanagari-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansBengali-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansTamil-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansKannada-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansArmenian-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansGeorgian-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansEthiopic-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansCherokee-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansCanadianAboriginal-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansJavanese-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/dejavu/DejaVuSans.ttf", "Debian package fonts-dejavu-core"},
    {"truetype/noto/NotoSans-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansMath-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansSymbols-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoSansSymbols2-Regular.ttf", "Debian package fonts-noto-core"},
    {"truetype/noto/NotoColorEmoji.ttf", "Debian package fonts-noto-color-emoji"},
};

// The fonts every Windows 10 and 11 has, in an order for names: Latin, Greek, Cyrillic,
// Arabic, Hebrew, Armenian and Georgian; Japanese, Korean, Chinese; Thai, the Indic
// scripts, Ethiopic, Cherokee, Canadian syllabics and Javanese; mathematical letters (the second face
// of Cambria's collection), symbols, then colour emoji (Segoe UI Emoji draws in layers).
inline constexpr DefaultFont kWindowsFonts[] = {
    {"segoeui.ttf", "Segoe UI"},        {"YuGothR.ttc", "Yu Gothic"},
    {"meiryo.ttc", "Meiryo"},           {"malgun.ttf", "Malgun Gothic"},
    {"msyh.ttc", "Microsoft YaHei"},    {"LeelawUI.ttf", "Leelawadee UI"},
    {"Nirmala.ttf", "Nirmala UI"},      {"ebrima.ttf", "Ebrima"},
    {"gadugi.ttf", "Gadugi"},           {"javatext.ttf", "Javanese Text"},
    {"cambria.ttc", "Cambria Math", 1}, {"seguisym.ttf", "Segoe UI Symbol"},
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
