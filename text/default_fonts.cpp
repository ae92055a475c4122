#include "default_fonts.h"

#include <system_error>

#include "path_text.h"
#include "windows_folder.h"

DefaultFontChain defaultFontChain() {
#if defined(_WIN32)
    return {windowsFolder() / "Fonts", kWindowsFonts};
#else
    return {kDebianFontsFolder, kDebianFonts};
#endif
}

FontChoice findDefaultFonts(const DefaultFontChain& chain) {
    FontChoice choice;
    for (const auto& font : chain.fonts) {
        const auto path = chain.folder / pathFromUtf8(font.file);
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) {
            choice.installed.push_back({path, font.face});
        } else {
            choice.missing.push_back(font);
        }
    }
    return choice;
}
