#pragma once

#include <ostream>

// Exit statuses of the command line.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailed = 1;  // build: nothing or not all written; check: glyph files missing
inline constexpr int kExitUsage = 2;   // bad usage; build: an image path that is not a regular file

// The whole command line: `veltrona-glyphs build ...` and `veltrona-glyphs check ...`.
int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool progressBar);
