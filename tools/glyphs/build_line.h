#pragma once

// The `build` command line that draws exactly a list of characters, for check to end with:
// a player copies it into the same shell and runs it.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "code_point.h"

inline constexpr char kGlyphTool[] = "veltrona-glyphs";

// A path or text as one argument of this system's shell: in double quotes ("C:\Tessarin
// data"), and on POSIX systems in single quotes where a shell would read into double ones
// ($, `, \, ", !).
std::string shellArgument(const std::string& text);

// `veltrona-glyphs build --data "DATA" --missing --chars U+044F,U+1F525-U+1F526`. Where the
// characters would make a line longer than a Windows console takes, and they all come from
// a names file, that file stands in for them: with --missing it draws the same files.
std::string buildLineFor(const std::filesystem::path& dataFolder, const std::vector<CodePoint>& characters,
                         const std::optional<std::filesystem::path>& namesFile);
