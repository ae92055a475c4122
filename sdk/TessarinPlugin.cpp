#include "TessarinPlugin.h"

#include <utility>

namespace Tessarin::Plugin {

TessarinPlugin::TessarinPlugin() = default;

TessarinPlugin::TessarinPlugin(const TessarinPlugin& other)
    : cvarManager(other.cvarManager), gameWrapper(other.gameWrapper) {}

TessarinPlugin::TessarinPlugin(TessarinPlugin&& other) noexcept
    : cvarManager(std::move(other.cvarManager)), gameWrapper(std::move(other.gameWrapper)) {}

TessarinPlugin& TessarinPlugin::operator=(const TessarinPlugin& other) {
    cvarManager = other.cvarManager;
    gameWrapper = other.gameWrapper;
    return *this;
}

TessarinPlugin& TessarinPlugin::operator=(TessarinPlugin&& other) noexcept {
    cvarManager = std::move(other.cvarManager);
    gameWrapper = std::move(other.gameWrapper);
    return *this;
}

// The host's contract releases the game wrapper before the cvar manager, the reverse of
// what the implicit destructor would do.
TessarinPlugin::~TessarinPlugin() {
    gameWrapper.reset();
    cvarManager.reset();
}

void TessarinPlugin::onLoad() {}

void TessarinPlugin::onUnload() {}

}  // namespace Tessarin::Plugin
