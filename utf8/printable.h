#pragma once

// Text from strangers (player names, names files) shown on a console or terminal: control
// characters could move the cursor, retitle or recolour it, so they are written as escapes.

#include <string>
#include <string_view>

// C0 controls and DEL as \xNN, C1 controls (U+0080 to U+009F) as \uNNNN; everything else,
// ill-formed bytes included, as it is.
std::string escapeControls(std::string_view text);
