#include "utf8_arguments.h"

#if defined(_WIN32)
#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>
#endif

#if defined(_WIN32)

namespace {
std::string utf8(const wchar_t* wide) {
    int size = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string text(static_cast<std::size_t>(size - 1), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, text.data(), size, nullptr, nullptr);
    return text;
}
}  // namespace

std::vector<std::string> utf8Arguments(int, char**) {
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    if (wide == nullptr) return arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(utf8(wide[i]));
    LocalFree(wide);
    return arguments;
}

#else

std::vector<std::string> utf8Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

#endif
