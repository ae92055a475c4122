#pragma once

#include <filesystem>

// Windows' own folder: %WINDIR%, else %SystemRoot%, else C:\Windows. Read on every call, so
// that a test may point it elsewhere. Windows only.
std::filesystem::path windowsFolder();
