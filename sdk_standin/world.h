#pragma once

// The simulated game behind the stand-in SDK. Tests and the host runner set it up and
// drive it; the SDK wrappers read it and append every call that affects the host to its
// call record. One world is current at a time (the last one constructed).

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "CanvasWrapper.h"
#include "Vector2.h"
#include "sdk_api.h"

namespace sim {

struct Player {
    std::string id;
    std::string name;  // raw bytes, not necessarily UTF-8
    std::uint8_t team = 0;
    std::int32_t score = 0;
    bool bot = false;
};

enum class Op {
    registerNotifier,
    executeCommand,
    HookEvent,
    UnhookEvent,
    RegisterDrawable,
    UnregisterDrawables,
    log,
    ImageWrapper,
    SetColor,
    SetPosition,
    DrawTexture,
};

// One call of the plugin's into the host. Plain and flat so that tests can compare whole
// records; which fields mean something depends on the op.
struct Call {
    Op op{};
    std::string text;   // command/event name, command line, log text, notifier name
    std::string extra;  // notifier description
    int value = 0;      // notifier permission value, image handle
    bool flag = false;  // executeCommand's log flag
    Vector2 position{};
    std::array<std::uint8_t, 4> rgba{};
    float scale = 0.0f;

    friend bool operator==(const Call&, const Call&) = default;
};

struct Command {
    std::string name;
    std::function<void(std::vector<std::string>)> handler;
};

struct Hook {
    std::string event;
    std::function<void(std::string)> handler;
};

struct Image {
    std::filesystem::path path;
    bool readable = false;
};

// The images alive with the host, by handle. A real host frees an image's texture when the
// plugin's last wrapper of it goes; the stand-in does the same, so that a long run holds
// only what the plugin holds.
using ImageTable = std::unordered_map<int, Image>;

class PLUGINSDK_API World {
public:
    World();
    ~World();
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    static World* current();

    // What the host reports.
    bool online = true;
    bool game = true;
    std::vector<std::optional<Player>> players;
    Vector2 screen{1920, 1080};
    std::filesystem::path dataFolder;
    // After this many more image loads, the next one throws std::bad_alloc, as a host out
    // of memory would; negative never fails.
    int imagesBeforeFailure = -1;

    // What the plugin registered.
    std::vector<Command> commands;
    std::vector<Hook> hooks;
    std::vector<std::function<void(CanvasWrapper)>> drawables;
    ImageTable images;
    int nextImageHandle = 0;
    // Handles whose wrapper has gone since the trace last looked: their records stay until
    // then, so the calls recorded with them can still name their files.
    std::vector<int> releasedImages;

    std::vector<Call> calls;

    std::uintptr_t address() { return reinterpret_cast<std::uintptr_t>(this); }

    // Driving the plugin as the game and the host do. Each returns whether a handler ran.
    bool fire(const std::string& event);
    bool runCommand(const std::string& line);
    void drawFrame();

    // Forgets the images released since the last time.
    void dropReleasedImages();
};

// A path as UTF-8 text with '/' separators, on every platform.
PLUGINSDK_API std::string utf8(const std::filesystem::path& path);

// Words of a console line, split at runs of spaces.
PLUGINSDK_API std::vector<std::string> splitCommandLine(const std::string& line);

}  // namespace sim
