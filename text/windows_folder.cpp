#include "windows_folder.h"

#include <cstdlib>

namespace {

// _wgetenv: the folder's name may be outside the ANSI code page.
const wchar_t* environment(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value != nullptr && *value != L'\0' ? value : nullptr;
}

}  // namespace

std::filesystem::path windowsFolder() {
    if (const wchar_t* folder = environment(L"WINDIR")) return folder;
    if (const wchar_t* folder = environment(L"SystemRoot")) return folder;
    return L"C:\\Windows";
}
