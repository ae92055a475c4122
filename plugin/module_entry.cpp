// The module's entry points: the export record the host reads first, and the two
// functions that hand out and take back the one plugin object.

#include <memory>

#include "PluginExports.h"
#include "Veltrona.h"
#include "plugin_info.h"

#if defined(_WIN32)
#define VELTRONA_EXPORT __declspec(dllexport)
#else
#define VELTRONA_EXPORT __attribute__((visibility("default")))
#endif

namespace {
std::shared_ptr<Tessarin::Plugin::TessarinPlugin> holder;
}

extern "C" {

VELTRONA_EXPORT std::shared_ptr<Tessarin::Plugin::TessarinPlugin>* getPlugin() {
    // A plain new of the concrete type: the count block then deletes a Veltrona, which
    // matters because the base class has no virtual destructor.
    if (!holder) holder = std::shared_ptr<Tessarin::Plugin::TessarinPlugin>(new Veltrona());
    return &holder;
}

VELTRONA_EXPORT void deleteMe() {
    if (!holder) return;
    // Empty the holder before the object goes, so that nothing the destructor reaches
    // sees a half-destroyed plugin through it.
    auto released = std::move(holder);
    holder.reset();
}

// Not part of what the host reads: the host runner's hook for tests, which returns once the
// plugin's work off the game thread is done, so that a scripted match draws the same on
// every run. The host never calls it, and never waits.
VELTRONA_EXPORT void waitUntilIdle() {
    if (holder) static_cast<Veltrona*>(holder.get())->waitForTextWork();
}

VELTRONA_EXPORT PluginExports exports = {
    kHostInterfaceNumber,
    VELTRONA_MAIN_SOURCE,
    veltrona::kPluginClassName,
    veltrona::kPluginDisplayName,
    veltrona::kPluginVersion,
    kPluginKindThreaded,
    &getPlugin,
    &deleteMe,
};

}  // extern "C"
