#pragma once

// A plugin object wired to the simulated game as the host wires one before onLoad.

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Veltrona.h"
#include "debian_fonts.h"
#include "scratch_folder.h"
#include "world_fixture.h"

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
        // Not there yet: the plugin makes its own folder in it.
        world.dataFolder = scratch.path() / "D";
        writeGlyphSet(world.dataFolder);
        plugin.cvarManager = std::make_shared<CVarManagerWrapper>(world.address());
        plugin.gameWrapper = std::make_shared<GameWrapper>(world.address());
    }

    std::vector<std::string> rosterKeys() const { return keysOf(plugin.roster()); }

    // The test's own folder, for the data folder and any other: the plugin keeps the player's
    // choices and its name images in the data folder, and tests run side by side. Declared
    // before the plugin, so that it goes only once the plugin is gone.
    ScratchFolder scratch;
    Veltrona plugin;
};
