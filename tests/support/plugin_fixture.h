#pragma once

// A plugin object wired to the simulated game as the host wires one before onLoad.

#include <memory>
#include <string>
#include <vector>

#include "Veltrona.h"
#include "world_fixture.h"

class PluginFixture : public WorldFixture {
protected:
    PluginFixture() {
        plugin.cvarManager = std::make_shared<CVarManagerWrapper>(world.address());
        plugin.gameWrapper = std::make_shared<GameWrapper>(world.address());
    }

    std::vector<std::string> rosterKeys() const { return keysOf(plugin.roster()); }

    Veltrona plugin;
};
