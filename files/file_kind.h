#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace filekind {

// A file of this type as messages call it when it is not what a tool wants: "a folder",
// "a symbolic link", "a device", "a named pipe", "a socket". Nothing for a regular file, for
// nothing at all, and for a type that could not be found out.
std::optional<std::string> describe(std::filesystem::file_type type);

}  // namespace filekind
