#include "module_loader.h"

#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace hostrun {

Module::Module(Module&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}

Module& Module::operator=(Module&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

Module::~Module() { close(); }

#if defined(_WIN32)

bool Module::open(const std::filesystem::path& path, std::string& error) {
    close();
    handle_ = reinterpret_cast<void*>(LoadLibraryW(path.wstring().c_str()));
    if (handle_ == nullptr)
        error = "cannot load module (Windows error " + std::to_string(GetLastError()) + ")";
    return handle_ != nullptr;
}

void Module::close() {
    if (handle_ == nullptr) return;
    FreeLibrary(reinterpret_cast<HMODULE>(handle_));
    handle_ = nullptr;
}

void* Module::symbol(const char* name) const {
    if (handle_ == nullptr) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(handle_), name));
}

std::string moduleFileName(const std::string& stem) { return stem + ".dll"; }

std::filesystem::path executableDir() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    return std::filesystem::path(buffer).parent_path();
}

#else

bool Module::open(const std::filesystem::path& path, std::string& error) {
    close();
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* why = dlerror();
        error = why != nullptr ? why : "cannot load module";
    }
    return handle_ != nullptr;
}

void Module::close() {
    if (handle_ == nullptr) return;
    dlclose(handle_);
    handle_ = nullptr;
}

void* Module::symbol(const char* name) const {
    if (handle_ == nullptr) return nullptr;
    return dlsym(handle_, name);
}

std::string moduleFileName(const std::string& stem) { return stem + ".so"; }

std::filesystem::path executableDir() { return std::filesystem::canonical("/proc/self/exe").parent_path(); }

#endif

}  // namespace hostrun
