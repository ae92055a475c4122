#include <array>
#include <cstdlib>
#include <mutex>
#include <string_view>
#include <vector>

#include "font_index.h"
#include "font_index_lookup.h"
#include "system_fonts.h"
#include "windows_folder.h"

namespace {

namespace fs = std::filesystem;

// Windows' UI fonts for names, best first; Wine's prefix has its own Tahoma.
constexpr std::array<std::string_view, 6> kMainFontFiles = {"segoeui.ttf", "arial.ttf",   "tahoma.ttf",
                                                            "verdana.ttf", "calibri.ttf", "micross.ttf"};

// _wgetenv: the folder's name may be outside the ANSI code page.
const wchar_t* environment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value != nullptr && *value != L'\0' ? value : nullptr;
}

std::vector<fs::path> fontFolders() {
    std::vector<fs::path> folders{windowsFolder() / L"Fonts"};
    // Fonts a user installs without being an administrator.
    if (const wchar_t* local = environment(L"LOCALAPPDATA"))
        folders.push_back(fs::path(local) / L"Microsoft" / L"Windows" / L"Fonts");
    return folders;
}

}  // namespace

struct SystemFonts::Backend {
    fs::path indexFile;
    std::mutex guard;
    std::optional<std::vector<IndexedFace>> faces;

    // Built on the first question, then asked without touching a file.
    const std::vector<IndexedFace>& index() {
        if (!faces) faces = updateFontIndex(fontFolders(), indexFile);
        return *faces;
    }
};

SystemFonts::SystemFonts(std::filesystem::path indexFile) : backend(std::make_unique<Backend>()) {
    backend->indexFile = std::move(indexFile);
}

SystemFonts::~SystemFonts() = default;

std::optional<FontSource> SystemFonts::fontFor(std::span<const char32_t> chars) {
    const std::lock_guard lock(backend->guard);
    return indexedFontFor(backend->index(), chars);
}

std::optional<FontSource> SystemFonts::mainFont() {
    const std::lock_guard lock(backend->guard);
    return indexedMainFont(backend->index(), kMainFontFiles);
}

bool SystemFonts::mainFontFilePresent() {
    const auto folder = windowsFolder() / L"Fonts";
    std::error_code error;
    for (const auto name : kMainFontFiles) {
        if (fs::is_regular_file(folder / name, error)) return true;
    }
    return false;
}

std::optional<FontSource> SystemFonts::fontOfFamily(std::string_view family) {
    const std::lock_guard lock(backend->guard);
    return indexedFontOfFamily(backend->index(), family);
}
