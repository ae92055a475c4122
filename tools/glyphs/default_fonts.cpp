#include "default_fonts.h"

#include <filesystem>
#include <system_error>

FallbackChoice installedFallbacks(std::span<const DefaultFallback> fonts) {
    FallbackChoice choice;
    for (const auto& font : fonts) {
        std::error_code error;
        if (std::filesystem::is_regular_file(font.path, error)) {
            choice.installed.push_back({font.path, 0});
        } else {
            choice.missing.push_back(font);
        }
    }
    return choice;
}
