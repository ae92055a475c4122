#pragma once

// Which fonts text mode sets names with: the player's own list in Veltrona's folder, or else
// the system's default chain.
//
// The list, fonts.txt, is UTF-8 text naming one font file per line, in fallback order, the
// main font first. Blank lines and lines starting with # are skipped, and spaces around a
// line are not part of it. A relative path is taken from the list's own folder. A face of a
// collection other than its first follows the path after a bar:
//
//     C:\Windows\Fonts\cambria.ttc|1
//
// A line may also name an installed font's family, `Segoe UI`, rather than a file.
// A bar cannot be part of a Windows file name; elsewhere, a bar followed by nothing but
// digits at the end of a line always gives a face. A path may stand in double quotes, as
// Explorer's "Copy as path" puts it. A line that is not UTF-8, or a file saved as UTF-16, is
// reported rather than read.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "font_source.h"

// <data>/veltrona/fonts.txt
std::filesystem::path fontListFile(const std::filesystem::path& dataFolder);

// A chain is mapped whole for as long as text mode runs: a list longer than this is not a
// chain anyone means, and each font costs its file's memory.
inline constexpr std::size_t kMaxListedFonts = 64;

struct ListedFont {
    FontSource source;
    std::size_t line = 0;  // of the list that names it; 0 for a font of the default chain
};

struct FontList {
    std::vector<ListedFont> fonts;  // in fallback order, main font first
    bool fromFile = false;          // the data folder's list, else the default chain
    // What of the list cannot be used, a line each: `fonts.txt line 3: "x.ttf" not found`.
    std::vector<std::string> problems;
};

// An installed font by its family name ("Segoe UI"), or nothing.
using FamilyLookup = std::function<std::optional<FontSource>(std::string_view family)>;

// The fonts the data folder's list names that exist, or without a list, the default chain's
// fonts that are installed. A line that names no file but reads as a family name (no folder,
// no font file ending) is looked up with `family`, when given. A list that names no usable
// font gives none: the player's choice is not silently replaced.
FontList chosenFonts(const std::filesystem::path& dataFolder, const FamilyLookup& family = {});
