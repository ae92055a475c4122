#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "sdk_api.h"

class PLUGINSDK_API CVarManagerWrapper {
public:
    explicit CVarManagerWrapper(std::uintptr_t mem);

    void registerNotifier(std::string name, std::function<void(std::vector<std::string>)> callback,
                          std::string description, unsigned char permissions);
    void executeCommand(std::string command, bool log);
    void log(std::string text);

private:
    std::uintptr_t memory_address;
};
