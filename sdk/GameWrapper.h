#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "CanvasWrapper.h"
#include "Vector2.h"
#include "actors.h"
#include "sdk_api.h"

class PLUGINSDK_API GameWrapper {
public:
    explicit GameWrapper(std::uintptr_t mem);

    bool IsInOnlineGame();
    ServerWrapper GetOnlineGame();
    ServerWrapper GetGameEventAsServer();

    void HookEvent(std::string eventName, std::function<void(std::string)> callback);
    void UnhookEvent(std::string eventName);

    void RegisterDrawable(std::function<void(CanvasWrapper)> callback);
    void UnregisterDrawables();

    std::wstring GetDataFolderW();
    Vector2 GetScreenSize();

private:
    std::uintptr_t memory_address;
};
