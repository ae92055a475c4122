#pragma once

// A scripted match: what the host reports at the start, and the steps that drive the
// module. Reading one checks it whole, so a run never stops half-way on bad input.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "Vector2.h"
#include "world.h"

namespace hostrun {

enum class StepKind { load, unload, wait, fire, frames, command, online, game, screen, add, remove, update };

// The fields an "update" step changes; the others stay as they are.
struct PlayerPatch {
    std::optional<std::string> id;
    std::optional<std::string> name;
    std::optional<std::uint8_t> team;
    std::optional<std::int32_t> score;
    std::optional<bool> bot;
};

// One step, flat: which fields mean something depends on the kind.
struct Step {
    StepKind kind{};
    std::string text;                   // fire: event name; command: console line
    std::uint64_t count = 0;            // frames
    bool flag = false;                  // online, game
    Vector2 screen{};                   // screen
    std::size_t index = 0;              // remove, update
    std::optional<sim::Player> player;  // add (empty: a null element)
    PlayerPatch patch;                  // update
};

struct Scenario {
    Vector2 screen{1920, 1080};
    bool online = true;
    bool game = true;
    std::optional<std::string> data;  // UTF-8, relative to the scenario's folder
    std::vector<std::optional<sim::Player>> players;
    std::vector<Step> steps;

    bool loads() const;
    // The screen size at the last frame the steps draw; nothing if they draw none.
    std::optional<Vector2> screenAtLastFrame() const;
};

// Parses and checks scenario text; throws BadInput naming the step or field.
Scenario parseScenario(const std::string& text);

// Reads and parses a scenario file; throws BadInput naming the file.
Scenario readScenario(const std::filesystem::path& file);

}  // namespace hostrun
