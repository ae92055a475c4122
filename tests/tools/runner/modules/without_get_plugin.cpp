// A module that exports its record and deleteMe, but no getPlugin.

#include "PluginExports.h"
#include "module_export.h"

namespace {
std::shared_ptr<Tessarin::Plugin::TessarinPlugin>* unexportedGetPlugin() { return nullptr; }
}  // namespace

extern "C" {

TEST_MODULE_EXPORT void deleteMe() {}

TEST_MODULE_EXPORT PluginExports exports = {
    kHostInterfaceNumber, __FILE__,  "Broken", "Broken", "1.0.0.0", kPluginKindThreaded,
    &unexportedGetPlugin, &deleteMe,
};

}  // extern "C"
