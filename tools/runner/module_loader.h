#pragma once

// Loading a plugin module as the host does: LoadLibraryW on Windows, dlopen elsewhere.

#include <filesystem>
#include <string>

namespace hostrun {

class Module {
public:
    Module() = default;
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;
    Module(Module&& other) noexcept;
    Module& operator=(Module&& other) noexcept;
    ~Module();

    // Loads the module at path; on failure the module stays closed and error says why.
    bool open(const std::filesystem::path& path, std::string& error);
    void close();
    bool isOpen() const { return handle_ != nullptr; }
    void* symbol(const char* name) const;

private:
    void* handle_ = nullptr;
};

// File name of a module called stem on this platform: Veltrona.dll or Veltrona.so.
std::string moduleFileName(const std::string& stem);

// Folder of the running program.
std::filesystem::path executableDir();

}  // namespace hostrun
