// A module that exports its record and getPlugin, but no deleteMe.

#include "PluginExports.h"
#include "module_export.h"

namespace {
void unexportedDeleteMe() {}
}  // namespace

extern "C" {

TEST_MODULE_EXPORT std::shared_ptr<Tessarin::Plugin::TessarinPlugin>* getPlugin() { return nullptr; }

TEST_MODULE_EXPORT PluginExports exports = {
    kHostInterfaceNumber, __FILE__, "Broken", "Broken", "1.0.0.0", kPluginKindThreaded, &getPlugin,
    &unexportedDeleteMe,
};

}  // extern "C"
