#pragma once

// Game-object wrappers. Each is a cheap value handle onto an object the host owns; the
// plugin gets them by value and drops them before its handler returns.

#include <cstdint>
#include <string>

#include "sdk_api.h"

class PLUGINSDK_API ActorWrapper {
public:
    explicit ActorWrapper(std::uintptr_t mem);
    bool IsNull();

protected:
    std::uintptr_t memory_address;
};

class PLUGINSDK_API UnrealStringWrapper {
public:
    explicit UnrealStringWrapper(std::uintptr_t mem);
    std::string ToString();

private:
    std::uintptr_t memory_address;
};

class PLUGINSDK_API UniqueIDWrapper {
public:
    explicit UniqueIDWrapper(std::uintptr_t mem);
    std::string GetIdString() const;

private:
    std::uintptr_t memory_address;
};

class PLUGINSDK_API PlayerReplicationInfoWrapper {
public:
    explicit PlayerReplicationInfoWrapper(std::uintptr_t mem);
    UnrealStringWrapper GetOldName();
    unsigned char GetTeamNum();
    unsigned long GetbBot();
    UniqueIDWrapper GetUniqueIdWrapper();

private:
    std::uintptr_t pri_address;
};

class PLUGINSDK_API PriWrapper : public PlayerReplicationInfoWrapper, public ActorWrapper {
public:
    explicit PriWrapper(std::uintptr_t mem);
    int GetMatchScore();
};

template <typename T>
class ArrayWrapper {
public:
    explicit ArrayWrapper(std::uintptr_t mem);
    int Count();
    T Get(int index);

private:
    std::uintptr_t memory_address;
};

extern template class PLUGINSDK_API ArrayWrapper<PriWrapper>;

class PLUGINSDK_API GameEventWrapper {
public:
    explicit GameEventWrapper(std::uintptr_t mem);
    ArrayWrapper<PriWrapper> GetPRIs();

private:
    std::uintptr_t event_address;
};

class PLUGINSDK_API ServerWrapper : public GameEventWrapper, public ActorWrapper {
public:
    explicit ServerWrapper(std::uintptr_t mem);
};
