#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "font_index.h"
#include "font_source.h"

// The installed fonts that draw, after the default chain, the characters of the default set
// the chain lacks: on Debian the Noto fonts of fonts-noto-core, on Windows the fonts of
// %WINDIR%\Fonts. None when the folder is missing.
std::vector<FontSource> moreDefaultFonts(std::span<const FontSource> chain);

// `candidates` less the fonts of the chain and those that will not open (a damaged file, a
// font without a Unicode map), in their order.
std::vector<FontSource> afterTheChain(std::span<const FontSource> chain, std::vector<FontSource> candidates);

// Debian's fonts-noto-core folder.
std::filesystem::path debianNotoFolder();

// The Noto fonts of `folder` in the order of orderNotoFiles.
std::vector<FontSource> notoFonts(const std::filesystem::path& folder);

// Debian's rule, on the file names of the Noto folder: the regular weights only
// (Noto*-Regular.ttf), without the UI, Display and Mono variants, which draw the same
// characters as their family does; the Noto Sans families first, then the others (serif,
// Kufi, Naskh, looped, music, ...), each by file name. A character comes from the first that
// has it, so the sans family draws it wherever it can.
std::vector<std::string> orderNotoFiles(std::vector<std::string> fileNames);

// Windows' rule, on the index of the fonts folder: the upright faces of regular or medium
// weight that map something, in the index's order: regular before medium, each by file name.
std::vector<FontSource> regularFaces(const std::vector<IndexedFace>& index);
