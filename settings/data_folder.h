#pragma once

#include <filesystem>

// Veltrona's own folder inside the host's data folder: the player's choices, the font list
// and the cache of name images all live there.
inline constexpr char kOwnFolderName[] = "veltrona";

inline std::filesystem::path ownFolder(const std::filesystem::path& dataFolder) {
    return dataFolder / kOwnFolderName;
}
