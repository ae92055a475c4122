#pragma once

// Paths in messages: as UTF-8 text with the platform's separators, whatever the platform's
// own path encoding.

#include <filesystem>
#include <string>

// A path from UTF-8 text; on Windows this gives the right wide path for any name, where a
// plain string would be read in the ANSI code page.
std::filesystem::path pathFromUtf8(const std::string& text);

std::string displayText(const std::filesystem::path& path);

// 'PATH', the way every message of the tools names a file.
std::string quoted(const std::filesystem::path& path);
