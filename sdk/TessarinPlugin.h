#pragma once

#include <memory>

#include "CVarManagerWrapper.h"
#include "GameWrapper.h"
#include "sdk_api.h"

namespace Tessarin::Plugin {

// The host's plugin base class. It has no virtual destructor: the module deletes its
// plugin through the concrete type (the holder's count block remembers it).
class TESSARIN_PLUGIN_API TessarinPlugin {
public:
    TessarinPlugin();
    TessarinPlugin(const TessarinPlugin& other);
    TessarinPlugin(TessarinPlugin&& other) noexcept;
    TessarinPlugin& operator=(const TessarinPlugin& other);
    TessarinPlugin& operator=(TessarinPlugin&& other) noexcept;
    ~TessarinPlugin();

    virtual void onLoad();
    virtual void onUnload();

    std::shared_ptr<CVarManagerWrapper> cvarManager;
    std::shared_ptr<GameWrapper> gameWrapper;
};

}  // namespace Tessarin::Plugin
