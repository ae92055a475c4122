#pragma once

// A plugin object wired to the simulated game as the host wires one before onLoad.

#include <algorithm>
#include <filesystem>
#include <fstream>
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

// A font every test machine has; under Wine the path names the same file.
inline constexpr char kTestFont[] = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// veltrona/fonts.txt in `dataFolder`, a font a line.
inline void writeFontList(const std::filesystem::path& dataFolder, const std::vector<std::string>& fonts) {
    std::filesystem::create_directories(dataFolder / "veltrona");
    std::ofstream list(dataFolder / "veltrona" / "fonts.txt", std::ios::binary);
    for (const auto& font : fonts) list << font << '\n';
}

// A glyph set of one file that draws no character: the plugin takes the set as installed.
// Without one, names are set as text wherever the machine has fonts, and tests of glyph
// files would draw differently on machines with and without them.
inline void writeGlyphSet(const std::filesystem::path& dataFolder) {
    std::filesystem::create_directories(dataFolder / "assets" / "png");
    std::ofstream(dataFolder / "assets" / "png" / "set.png", std::ios::binary) << "png";
}

class PluginFixture : public WorldFixture {
protected:
    PluginFixture() {
        world.dataFolder = testDataFolder();
        writeGlyphSet(world.dataFolder);
        plugin.cvarManager = std::make_shared<CVarManagerWrapper>(world.address());
        plugin.gameWrapper = std::make_shared<GameWrapper>(world.address());
    }

    std::vector<std::string> rosterKeys() const { return keysOf(plugin.roster()); }

    Veltrona plugin;
};
