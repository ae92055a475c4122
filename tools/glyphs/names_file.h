#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "code_point.h"

struct NameLine {
    std::size_t lineNumber;  // from 1, for messages
    std::string name;        // UTF-8, bytes as in the file
};

// One name a line, in UTF-8: how `build` and `check` both read a names file. A UTF-8
// byte-order mark and Windows line ends are dropped, as editors add them; blank lines are
// skipped. Spaces are kept: the plugin draws them. Throws BadInput naming the file when
// it is not a regular file, cannot be read, is implausibly large or is UTF-16, and naming
// the line and column of the first byte that is not UTF-8 text (a NUL byte included).
std::vector<NameLine> readNamesFile(const std::filesystem::path& path);

// Every character of the names, ascending, without repeats.
std::vector<CodePoint> charactersOfNames(const std::vector<NameLine>& names);
