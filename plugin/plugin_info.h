#pragma once

// How the module describes itself to the host, and the names it uses in the host's
// console. The build reads the version from this file for the release package.

namespace veltrona {

inline constexpr char kPluginClassName[] = "Veltrona";
inline constexpr char kPluginDisplayName[] = "VeltronaPlugin";
inline constexpr char kPluginVersion[] = "1.0.0.184";

}  // namespace veltrona
