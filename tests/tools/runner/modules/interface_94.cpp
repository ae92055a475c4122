// A module with every entry point, built for another version of the host: interface 94.

#include "PluginExports.h"
#include "module_export.h"

extern "C" {

TEST_MODULE_EXPORT std::shared_ptr<Tessarin::Plugin::TessarinPlugin>* getPlugin() { return nullptr; }

TEST_MODULE_EXPORT void deleteMe() {}

TEST_MODULE_EXPORT PluginExports exports = {
    kHostInterfaceNumber - 1, __FILE__,   "Broken",  "Broken", "1.0.0.0",
    kPluginKindThreaded,      &getPlugin, &deleteMe,
};

}  // extern "C"
