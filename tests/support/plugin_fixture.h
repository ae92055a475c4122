#pragma once

// A plugin object wired to the simulated game as the host wires one before onLoad.

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Veltrona.h"
#include "world_fixture.h"

// A data folder of the running test's own, not there yet: the plugin keeps the player's
// choices and its name images in it, and tests run side by side.
inline std::filesystem::path testDataFolder() {
    const auto* test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    auto folder = std::filesystem::current_path() / "plugin_data.work" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder / "D";
}

class PluginFixture : public WorldFixture {
protected:
    PluginFixture() {
        world.dataFolder = testDataFolder();
        plugin.cvarManager = std::make_shared<CVarManagerWrapper>(world.address());
        plugin.gameWrapper = std::make_shared<GameWrapper>(world.address());
    }

    std::vector<std::string> rosterKeys() const { return keysOf(plugin.roster()); }

    Veltrona plugin;
};
