#include "default_fonts.h"

#include <cstdlib>
#include <system_error>

#include "path_text.h"

namespace {

#if defined(_WIN32)
std::filesystem::path windowsFolder() {
    // _wgetenv: the Windows folder's name may be outside the ANSI code page.
    const wchar_t* folder = _wgetenv(L"WINDIR");
    if (folder == nullptr || *folder == L'\0') folder = _wgetenv(L"SystemRoot");
    if (folder == nullptr || *folder == L'\0') return L"C:\\Windows";
    return folder;
}
#endif

}  // namespace

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
