#include "world.h"

#include <algorithm>

namespace sim {
namespace {
World* currentWorld = nullptr;
}

World::World() { currentWorld = this; }

World::~World() {
    if (currentWorld == this) currentWorld = nullptr;
}

World* World::current() { return currentWorld; }

bool World::fire(const std::string& event) {
    auto hook = std::find_if(hooks.begin(), hooks.end(), [&](const Hook& h) { return h.event == event; });
    if (hook == hooks.end()) return false;
    // The handler may hook or unhook, which would move the stored one under our feet.
    auto handler = hook->handler;
    handler(event);
    return true;
}

bool World::runCommand(const std::string& line) {
    auto words = splitCommandLine(line);
    if (words.empty()) return false;
    auto command = std::find_if(commands.begin(), commands.end(),
                                [&](const Command& c) { return c.name == words.front(); });
    if (command == commands.end()) return false;
    auto handler = command->handler;
    handler(words);
    return true;
}

void World::drawFrame() {
    // By index: a drawable may register or unregister drawables while it runs.
    for (std::size_t i = 0; i < drawables.size(); ++i) {
        drawables[i](CanvasWrapper(address()));
    }
}

void World::dropReleasedImages() {
    for (int handle : releasedImages) images.erase(handle);
    releasedImages.clear();
}

std::string utf8(const std::filesystem::path& path) {
    auto text = path.generic_u8string();
    return {text.begin(), text.end()};
}

std::vector<std::string> splitCommandLine(const std::string& line) {
    std::vector<std::string> words;
    std::size_t pos = 0;
    while (pos < line.size()) {
        auto start = line.find_first_not_of(' ', pos);
        if (start == std::string::npos) break;
        auto end = line.find(' ', start);
        if (end == std::string::npos) end = line.size();
        words.push_back(line.substr(start, end - start));
        pos = end;
    }
    return words;
}

}  // namespace sim
