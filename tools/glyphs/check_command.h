#pragma once

#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

struct CheckOptions {
    std::filesystem::path dataFolder;
    std::vector<std::string> names;
    std::optional<std::filesystem::path> namesFile;  // its names follow those given directly
    // Succeed when at least this share of the names (in percent) is drawn whole, even with
    // files missing: how a glyph set's coverage of a list of names is held to a bar.
    std::optional<double> atLeastPercent;
};

struct GlyphFileStatus {
    std::string code;
    std::filesystem::path file;  // the file the plugin loads
    bool present;                // a regular file (links followed) is there
    // A character whose code reads as an ASCII character's file name (U+0105 as 105.png)
    // has a file of its own, u105.png, which the plugin loads when it is there. When it is
    // not, this names it, and `file` is the ASCII character's, which stands in.
    std::filesystem::path missingOwnFile;

    // The file the character should have: its own where it has one.
    const std::filesystem::path& neededFile() const { return missingOwnFile.empty() ? file : missingOwnFile; }
    bool complete() const { return present && missingOwnFile.empty(); }
};

struct NameCheck {
    std::string name;
    std::vector<GlyphFileStatus> glyphs;  // one per glyph code, in name order
};

// What the plugin will load for each name, split by the plugin's own splitter.
std::vector<NameCheck> checkNames(const std::vector<std::string>& names,
                                  const std::filesystem::path& dataFolder);

// Names the glyph folder, then prints every name with each glyph's file and character,
// marking the missing files and the names that read right only as text, then a summary that
// lists each missing file with its character and the name it came from. Names are printed
// with their control characters escaped (\x1b, \u009b), so that none reaches the terminal.
// Then how many names are drawn whole, how many of those read right only as text, and when
// files are missing, the build command line that draws them. A glyph folder that is not
// there or holds no image is said in one line instead of listing every file. Returns 1 when
// any file is missing (or, with atLeastPercent, when fewer names than that are whole), else
// 0. Throws BadInput for a names file that `build` would refuse too.
int runCheck(const CheckOptions& options, std::ostream& out);
