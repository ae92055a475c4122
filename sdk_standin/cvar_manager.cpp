#include <algorithm>

#include "CVarManagerWrapper.h"
#include "world_at.h"

CVarManagerWrapper::CVarManagerWrapper(std::uintptr_t mem) : memory_address(mem) {}

void CVarManagerWrapper::registerNotifier(std::string name,
                                          std::function<void(std::vector<std::string>)> callback,
                                          std::string description, unsigned char permissions) {
    auto& w = sim::worldAt(memory_address);
    sim::Call c;
    c.op = sim::Op::registerNotifier;
    c.text = name;
    c.extra = std::move(description);
    c.value = permissions;
    w.calls.push_back(std::move(c));
    auto command = std::find_if(w.commands.begin(), w.commands.end(),
                                [&](const sim::Command& cmd) { return cmd.name == name; });
    if (command != w.commands.end()) {
        command->handler = std::move(callback);
        return;
    }
    w.commands.push_back({std::move(name), std::move(callback)});
}

void CVarManagerWrapper::executeCommand(std::string command, bool log) {
    auto& w = sim::worldAt(memory_address);
    sim::Call c;
    c.op = sim::Op::executeCommand;
    c.text = command;
    c.flag = log;
    w.calls.push_back(std::move(c));
    w.runCommand(command);
}

void CVarManagerWrapper::log(std::string text) {
    sim::Call c;
    c.op = sim::Op::log;
    c.text = std::move(text);
    sim::worldAt(memory_address).calls.push_back(std::move(c));
}
