#pragma once

// A plugin object wired to a simulated game, as the host wires it before onLoad.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Veltrona.h"
#include "world.h"

inline sim::Player human(std::string id, std::string name, std::uint8_t team, std::int32_t score = 0) {
    return {std::move(id), std::move(name), team, score, false};
}

inline sim::Player bot(std::string name, std::uint8_t team, std::int32_t score = 0) {
    return {"bot-id", std::move(name), team, score, true};
}

class PluginFixture : public testing::Test {
protected:
    PluginFixture() {
        world.dataFolder = "D";
        plugin.cvarManager = std::make_shared<CVarManagerWrapper>(world.address());
        plugin.gameWrapper = std::make_shared<GameWrapper>(world.address());
    }

    std::vector<std::string> texts(sim::Op op) const {
        std::vector<std::string> out;
        for (const auto& call : world.calls) {
            if (call.op == op) out.push_back(call.text);
        }
        return out;
    }

    std::vector<std::string> logLines() const { return texts(sim::Op::log); }
    std::vector<std::string> imagePaths() const { return texts(sim::Op::ImageWrapper); }

    std::vector<sim::Op> ops() const {
        std::vector<sim::Op> out;
        for (const auto& call : world.calls) out.push_back(call.op);
        return out;
    }

    std::vector<std::string> rosterKeys() const {
        std::vector<std::string> keys;
        for (const auto& entry : plugin.roster) keys.push_back(entry.playerKey);
        return keys;
    }

    // Declared first: the world must be current before the plugin makes images, and
    // outlive the plugin.
    sim::World world;
    Veltrona plugin;
};
