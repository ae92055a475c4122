#pragma once

// Small UTF-8 files a player may edit by hand in Veltrona's folder: read whole within a
// bound, and taken line by line as editors leave them (a byte-order mark, Windows line ends,
// spaces and tabs around a line).

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

struct PlayerText {
    std::string text;
    std::string problem;  // why there is no text: not a regular file, too large, the system's words
};

// The file's text, when it is a regular file (links followed) of at most `maxBytes`. Throws
// only bad_alloc.
PlayerText readPlayerText(const std::filesystem::path& file, std::size_t maxBytes);

std::string_view trimmed(std::string_view text);

// The lines of a text, trimmed, numbered from 1.
class PlayerLines {
public:
    explicit PlayerLines(std::string_view text);

    // The next line, blank and # comment lines skipped; false at the end.
    bool next(std::string_view& line);
    std::size_t number() const { return lineNumber; }

private:
    std::string_view rest;
    std::size_t lineNumber = 0;
};
