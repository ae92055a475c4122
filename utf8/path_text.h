#pragma once

// Paths in messages: as UTF-8 text with the platform's separators, whatever the platform's
// own path encoding.

#include <filesystem>
#include <string>

std::string displayText(const std::filesystem::path& path);

// 'PATH', the way every message of the tools names a file.
std::string quoted(const std::filesystem::path& path);
