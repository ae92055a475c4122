// A module with both entry points but no export record.

#include "PluginExports.h"
#include "module_export.h"

extern "C" {

TEST_MODULE_EXPORT std::shared_ptr<Tessarin::Plugin::TessarinPlugin>* getPlugin() { return nullptr; }

TEST_MODULE_EXPORT void deleteMe() {}

}  // extern "C"
