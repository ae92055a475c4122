#pragma once

// Writing a file without losing what was there: the bytes go to a temporary file beside
// the target, which is renamed over it only once it is complete.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "path_text.h"

namespace files {

// What stands at `path` when it is something a writer must not replace: "a folder",
// "a symbolic link", "a device", "a named pipe" ... Nothing when the path is free or holds
// a regular file. A link is refused whatever it points to: replacing it would turn it into
// a plain file.
std::optional<std::string> unreplaceableKind(const std::filesystem::path& path);

// "PATH: is a symbolic link, not a regular file; it is left as it is": the one line a
// refusal gives.
std::string refusalMessage(const std::filesystem::path& path, const std::string& kind);

// Replaces the file at `path` with `bytes`, or creates it. Throws OutputRefused when
// something other than a regular file stands there, and WriteError naming the path when it
// cannot be written; either way the old file is left whole and no temporary file remains.
// With `flush`, the bytes reach the disk before the rename, so that a power cut leaves the
// old file or the new one, never an empty one: for files read back later, not for thousands
// made at once.
void replaceFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes, bool flush = false);

}  // namespace files
