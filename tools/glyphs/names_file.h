#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "code_point.h"

struct NameLine {
    std::size_t lineNumber;  // from 1, for messages
    std::string name;        // bytes as in the file
};

// One name a line. A UTF-8 byte-order mark and Windows line ends are dropped, as editors
// add them; blank lines are skipped. Spaces are kept: the plugin draws them.
std::vector<NameLine> readNamesFile(const std::filesystem::path& path);

// Every character of the names, ascending, without repeats. A line that is not UTF-8
// is an error naming the file, line and column.
std::vector<CodePoint> charactersOfNames(const std::vector<NameLine>& names,
                                         const std::filesystem::path& path);
