#include "actors.h"

#include "world_at.h"

// Handles: a game event or server points at the world; a player at its list element.
namespace {
const sim::Player& player(std::uintptr_t address) { return *reinterpret_cast<const sim::Player*>(address); }
}  // namespace

ActorWrapper::ActorWrapper(std::uintptr_t mem) : memory_address(mem) {}
bool ActorWrapper::IsNull() { return memory_address == 0; }

UnrealStringWrapper::UnrealStringWrapper(std::uintptr_t mem) : memory_address(mem) {}
std::string UnrealStringWrapper::ToString() {
    if (memory_address == 0) return {};
    return *reinterpret_cast<const std::string*>(memory_address);
}

UniqueIDWrapper::UniqueIDWrapper(std::uintptr_t mem) : memory_address(mem) {}
std::string UniqueIDWrapper::GetIdString() const {
    if (memory_address == 0) return {};
    return *reinterpret_cast<const std::string*>(memory_address);
}

PlayerReplicationInfoWrapper::PlayerReplicationInfoWrapper(std::uintptr_t mem) : pri_address(mem) {}

UnrealStringWrapper PlayerReplicationInfoWrapper::GetOldName() {
    if (pri_address == 0) return UnrealStringWrapper(0);
    return UnrealStringWrapper(reinterpret_cast<std::uintptr_t>(&player(pri_address).name));
}

unsigned char PlayerReplicationInfoWrapper::GetTeamNum() {
    return pri_address == 0 ? 0 : player(pri_address).team;
}

unsigned long PlayerReplicationInfoWrapper::GetbBot() {
    return pri_address != 0 && player(pri_address).bot ? 1 : 0;
}

UniqueIDWrapper PlayerReplicationInfoWrapper::GetUniqueIdWrapper() {
    if (pri_address == 0) return UniqueIDWrapper(0);
    return UniqueIDWrapper(reinterpret_cast<std::uintptr_t>(&player(pri_address).id));
}

PriWrapper::PriWrapper(std::uintptr_t mem) : PlayerReplicationInfoWrapper(mem), ActorWrapper(mem) {}

int PriWrapper::GetMatchScore() { return memory_address == 0 ? 0 : player(memory_address).score; }

template <typename T>
ArrayWrapper<T>::ArrayWrapper(std::uintptr_t mem) : memory_address(mem) {}

template <typename T>
int ArrayWrapper<T>::Count() {
    return memory_address == 0 ? 0 : static_cast<int>(sim::worldAt(memory_address).players.size());
}

template <typename T>
T ArrayWrapper<T>::Get(int index) {
    if (memory_address == 0 || index < 0) return T(0);
    auto& players = sim::worldAt(memory_address).players;
    if (static_cast<std::size_t>(index) >= players.size() || !players[index]) return T(0);
    return T(reinterpret_cast<std::uintptr_t>(&*players[index]));
}

template class ArrayWrapper<PriWrapper>;

GameEventWrapper::GameEventWrapper(std::uintptr_t mem) : event_address(mem) {}

ArrayWrapper<PriWrapper> GameEventWrapper::GetPRIs() { return ArrayWrapper<PriWrapper>(event_address); }

ServerWrapper::ServerWrapper(std::uintptr_t mem) : GameEventWrapper(mem), ActorWrapper(mem) {}
