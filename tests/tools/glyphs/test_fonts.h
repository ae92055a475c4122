#pragma once

#include "build_command.h"
#include "debian_fonts.h"

// Options that draw with Noto Sans CJK alone, the main font of Debian's default chain.
inline BuildOptions cjkOptions() {
    BuildOptions options;
    options.font = {kNotoSansCjk, 0};
    return options;
}
