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
};

struct GlyphFileStatus {
    std::string code;
    std::filesystem::path file;
    bool present;
};

struct NameCheck {
    std::string name;
    std::vector<GlyphFileStatus> glyphs;  // one per glyph code, in name order
};

// What the plugin will load for each name, split by the plugin's own splitter.
std::vector<NameCheck> checkNames(const std::vector<std::string>& names,
                                  const std::filesystem::path& dataFolder);

// Prints every name's codes and files, marking the missing ones, then a summary.
// Returns 1 when any file is missing, 0 when all are there. Throws ToolError for an
// unreadable names file.
int runCheck(const CheckOptions& options, std::ostream& out);
