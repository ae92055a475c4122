#pragma once

// A simulated game with the host's wrappers on it, and a roster driven over it.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "GameWrapper.h"
#include "roster.h"
#include "world.h"

inline sim::Player human(std::string id, std::string name, std::uint8_t team, std::int32_t score = 0) {
    return {std::move(id), std::move(name), team, score, false};
}

inline sim::Player bot(std::string name, std::uint8_t team, std::int32_t score = 0) {
    return {"bot-id", std::move(name), team, score, true};
}

inline std::vector<std::string> keysOf(const Roster& roster) {
    std::vector<std::string> keys;
    for (const auto& entry : roster.rows) keys.push_back(entry.playerKey);
    return keys;
}

class WorldFixture : public testing::Test {
protected:
    WorldFixture() { world.dataFolder = "D"; }

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

    // Declared first: the world must be current before anything makes images, and outlive
    // everything that holds them.
    sim::World world;
    GameWrapper game{world.address()};
};

// A key's glyph record, read as the renderer reads it.
inline bool hasGlyphs(const Roster& roster, const std::string& key) {
    return findPlayerGlyphs(roster.glyphs, key) != nullptr;
}

inline const std::vector<Glyph>& glyphsOf(const Roster& roster, const std::string& key) {
    static const std::vector<Glyph> none;
    const auto* player = findPlayerGlyphs(roster.glyphs, key);
    return player == nullptr ? none : player->glyphs;
}

inline std::vector<std::string> codesOf(const Roster& roster, const std::string& key) {
    std::vector<std::string> codes;
    for (const auto& glyph : glyphsOf(roster, key)) codes.push_back(glyph.code);
    return codes;
}

inline std::vector<bool> wideOf(const Roster& roster, const std::string& key) {
    std::vector<bool> wide;
    for (const auto& glyph : glyphsOf(roster, key)) wide.push_back(glyph.wide);
    return wide;
}

// A roster driven as the plugin drives it while the scoreboard is closed.
class RosterFixture : public WorldFixture {
protected:
    void teamChange() {
        lastRebuild = rebuildRoster(roster, game);
        if (!lastRebuild.gameFound) return;
        lastPrune = pruneRoster(roster, game);
        orderRoster(roster);
    }

    std::vector<std::string> rosterKeys() const { return keysOf(roster); }

    Roster roster;
    RebuildReport lastRebuild;
    PruneReport lastPrune;
};
