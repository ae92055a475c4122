// The host loads and unloads the module over and over in one long-running game process:
// every load must start from a fresh plugin object and every unload give everything back
// (LeakSanitizer watches the native build; valgrind the release build).

#include <gtest/gtest.h>

#include <memory>

#include "PluginExports.h"
#include "Veltrona.h"
#include "module_loader.h"
#include "names.h"
#include "world.h"

namespace {

using Holder = std::shared_ptr<Tessarin::Plugin::TessarinPlugin>;

constexpr int kLoads = 1000;

void playAMatch(sim::World& world) {
    world.fire(veltrona::kEventTeamChanged);
    world.fire(veltrona::kEventOpenScoreboard);
    world.drawFrame();
    world.drawFrame();
    world.fire(veltrona::kEventCloseScoreboard);
    world.fire(veltrona::kEventMatchEnded);
}

TEST(Reload, ThousandLoadsEachStartFreshAndLeaveNothingBehind) {
    sim::World world;
    world.dataFolder = "data";
    world.players = {sim::Player{"p-1", "\xe3\x81\x9f\xe3\x81\xaa\xe3\x81\x8b", 0, 420, false},
                     sim::Player{"p-2", "Ren\xc3\xa9", 1, 300, false}, std::nullopt,
                     sim::Player{"bot", "Rex", 1, 0, true}};
    auto path = hostrun::executableDir() / hostrun::moduleFileName("Veltrona");

    for (int load = 0; load < kLoads; ++load) {
        hostrun::Module module;
        std::string error;
        ASSERT_TRUE(module.open(path, error)) << error;
        auto* exports = static_cast<PluginExports*>(module.symbol("exports"));
        ASSERT_NE(exports, nullptr);
        Holder* holder = exports->create();
        auto* plugin = static_cast<Veltrona*>(holder->get());
        ASSERT_TRUE(plugin->roster().rows.empty()) << "load " << load;
        ASSERT_TRUE(plugin->roster().glyphs.players.empty()) << "load " << load;
        ASSERT_TRUE(plugin->overlay().scoreboardClosed) << "load " << load;

        plugin->cvarManager = std::make_shared<CVarManagerWrapper>(world.address());
        plugin->gameWrapper = std::make_shared<GameWrapper>(world.address());
        plugin->onLoad();
        playAMatch(world);
        ASSERT_EQ(plugin->roster().rows.size(), 3u);
        plugin->onUnload();
        exports->destroy();

        ASSERT_TRUE(world.hooks.empty());
        ASSERT_TRUE(world.drawables.empty());
        world.commands.clear();
        world.calls.clear();
        // Every image went with the plugin.
        world.dropReleasedImages();
        ASSERT_TRUE(world.images.empty());
    }
}

}  // namespace
