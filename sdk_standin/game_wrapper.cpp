#include <algorithm>

#include "GameWrapper.h"
#include "world_at.h"

namespace {

sim::Call call(sim::Op op, std::string text = {}) {
    sim::Call c;
    c.op = op;
    c.text = std::move(text);
    return c;
}
}  // namespace

GameWrapper::GameWrapper(std::uintptr_t mem) : memory_address(mem) {}

bool GameWrapper::IsInOnlineGame() { return sim::worldAt(memory_address).online; }

ServerWrapper GameWrapper::GetOnlineGame() {
    auto& w = sim::worldAt(memory_address);
    return ServerWrapper(w.online && w.game ? w.address() : 0);
}

ServerWrapper GameWrapper::GetGameEventAsServer() {
    auto& w = sim::worldAt(memory_address);
    return ServerWrapper(w.game ? w.address() : 0);
}

void GameWrapper::HookEvent(std::string eventName, std::function<void(std::string)> callback) {
    auto& w = sim::worldAt(memory_address);
    w.calls.push_back(call(sim::Op::HookEvent, eventName));
    auto hook = std::find_if(w.hooks.begin(), w.hooks.end(),
                             [&](const sim::Hook& h) { return h.event == eventName; });
    if (hook != w.hooks.end()) {
        hook->handler = std::move(callback);
        return;
    }
    w.hooks.push_back({std::move(eventName), std::move(callback)});
}

void GameWrapper::UnhookEvent(std::string eventName) {
    auto& w = sim::worldAt(memory_address);
    w.calls.push_back(call(sim::Op::UnhookEvent, eventName));
    std::erase_if(w.hooks, [&](const sim::Hook& h) { return h.event == eventName; });
}

void GameWrapper::RegisterDrawable(std::function<void(CanvasWrapper)> callback) {
    auto& w = sim::worldAt(memory_address);
    w.calls.push_back(call(sim::Op::RegisterDrawable));
    w.drawables.push_back(std::move(callback));
}

void GameWrapper::UnregisterDrawables() {
    auto& w = sim::worldAt(memory_address);
    w.calls.push_back(call(sim::Op::UnregisterDrawables));
    w.drawables.clear();
}

std::wstring GameWrapper::GetDataFolderW() {
    const auto& folder = sim::worldAt(memory_address).dataFolder;
    // Outside Windows a path's wstring() goes through the C locale; go by UTF-32 instead.
    if constexpr (sizeof(wchar_t) == sizeof(char16_t)) {
        return folder.wstring();
    } else {
        auto text = folder.u32string();
        return std::wstring(text.begin(), text.end());
    }
}

Vector2 GameWrapper::GetScreenSize() { return sim::worldAt(memory_address).screen; }
