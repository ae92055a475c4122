#include "utf8_console.h"

#if defined(_WIN32)
#include <windows.h>

Utf8Console::Utf8Console() : previousCodePage(GetConsoleOutputCP()) {
    if (previousCodePage != 0) SetConsoleOutputCP(CP_UTF8);
}

Utf8Console::~Utf8Console() {
    if (previousCodePage != 0) SetConsoleOutputCP(previousCodePage);
}

#else

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

#endif
