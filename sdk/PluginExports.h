#pragma once

#include <cstdint>
#include <memory>

#include "TessarinPlugin.h"

// The record a plugin module exports under the name `exports`, which the host reads
// before anything else: eight 8-byte fields, no gaps.
struct PluginExports {
    std::uint64_t interfaceNumber;
    const char* sourceFile;
    const char* className;
    const char* displayName;
    const char* version;
    std::uint64_t kind;
    std::shared_ptr<Tessarin::Plugin::TessarinPlugin>* (*create)();
    void (*destroy)();
};

static_assert(sizeof(PluginExports) == 64, "the host reads exactly 64 bytes");

inline constexpr std::uint64_t kHostInterfaceNumber = 95;
inline constexpr std::uint64_t kPluginKindThreaded = 1;
