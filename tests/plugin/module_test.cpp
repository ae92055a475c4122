// The built module, loaded as the host loads it: its export record byte for byte, and the
// life of the one plugin object behind getPlugin and deleteMe.

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "PluginExports.h"
#include "Veltrona.h"
#include "module_loader.h"
#include "names.h"
#include "world.h"

namespace {

using Holder = std::shared_ptr<Tessarin::Plugin::TessarinPlugin>;
using GetPlugin = Holder* (*)();
using DeleteMe = void (*)();

class ModuleTest : public testing::Test {
protected:
    void SetUp() override {
        std::string error;
        auto path = hostrun::executableDir() / hostrun::moduleFileName("Veltrona");
        ASSERT_TRUE(module.open(path, error)) << path << ": " << error;
        getPlugin = reinterpret_cast<GetPlugin>(module.symbol("getPlugin"));
        deleteMe = reinterpret_cast<DeleteMe>(module.symbol("deleteMe"));
        ASSERT_NE(getPlugin, nullptr);
        ASSERT_NE(deleteMe, nullptr);
    }

    // The plugin object releases its cvar manager when it is destroyed: a counting
    // deleter on it tells how often that happened.
    void watchDestruction(Holder& holder) {
        holder->cvarManager = std::shared_ptr<CVarManagerWrapper>(
            new CVarManagerWrapper(0), [this](CVarManagerWrapper* p) {
                ++destructions;
                delete p;
            });
    }

    hostrun::Module module;
    GetPlugin getPlugin = nullptr;
    DeleteMe deleteMe = nullptr;
    int destructions = 0;
};

template <typename T>
T field(const unsigned char* record, std::size_t offset) {
    T value;
    std::memcpy(&value, record + offset, sizeof value);
    return value;
}

TEST_F(ModuleTest, ExportRecordHasTheHostLayout) {
    const auto* record = static_cast<const unsigned char*>(module.symbol("exports"));
    ASSERT_NE(record, nullptr);

    const unsigned char interfaceNumber[8] = {95, 0, 0, 0, 0, 0, 0, 0};
    const unsigned char kind[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(std::memcmp(record + 0, interfaceNumber, 8), 0);
    EXPECT_EQ(std::memcmp(record + 40, kind, 8), 0);
    EXPECT_STREQ(field<const char*>(record, 8), "plugin/module_entry.cpp");
    EXPECT_STREQ(field<const char*>(record, 16), "Veltrona");
    EXPECT_STREQ(field<const char*>(record, 24), "VeltronaPlugin");
    EXPECT_STREQ(field<const char*>(record, 32), "1.0.0.184");
    EXPECT_EQ(field<void*>(record, 48), reinterpret_cast<void*>(getPlugin));
    EXPECT_EQ(field<void*>(record, 56), reinterpret_cast<void*>(deleteMe));
}

TEST_F(ModuleTest, GetPluginTwiceGivesOneHolderAndOneObject) {
    Holder* first = getPlugin();
    auto* object = first->get();
    Holder* second = getPlugin();
    EXPECT_EQ(first, second);
    EXPECT_EQ(second->get(), object);
    EXPECT_EQ(first->use_count(), 1);
    deleteMe();
}

TEST_F(ModuleTest, DeleteMeOnAnEmptyHolderAndTwiceDoesNothing) {
    deleteMe();
    Holder* holder = getPlugin();
    watchDestruction(*holder);
    deleteMe();
    EXPECT_EQ(destructions, 1);
    EXPECT_FALSE(*holder);
    deleteMe();
    EXPECT_EQ(destructions, 1);
}

TEST_F(ModuleTest, GetPluginAfterDeleteMeMakesAFreshObject) {
    sim::World world;
    world.players = {sim::Player{"p-1", "Amy", 0, 10, false}};
    auto* first = static_cast<Veltrona*>(getPlugin()->get());
    first->cvarManager = std::make_shared<CVarManagerWrapper>(world.address());
    first->gameWrapper = std::make_shared<GameWrapper>(world.address());
    first->onTeamChanged("");
    first->onOpenScoreboard("");
    ASSERT_EQ(first->roster().teamZeroRowCount, 1);
    first->onUnload();
    deleteMe();

    Holder* holder = getPlugin();
    ASSERT_TRUE(*holder);
    auto* fresh = static_cast<Veltrona*>(holder->get());
    EXPECT_TRUE(fresh->roster().rows.empty());
    EXPECT_TRUE(fresh->roster().glyphs.players.empty());
    EXPECT_TRUE(fresh->overlay().scoreboardClosed);
    EXPECT_EQ(fresh->roster().teamZeroRowCount, 0);
    deleteMe();
}

TEST_F(ModuleTest, HostCopyOutlivesDeleteMeAndIsDestroyedOnce) {
    Holder* holder = getPlugin();
    Holder hostCopy = *holder;
    watchDestruction(hostCopy);
    deleteMe();
    EXPECT_FALSE(*holder);
    EXPECT_EQ(destructions, 0);
    hostCopy.reset();
    EXPECT_EQ(destructions, 1);
}

TEST_F(ModuleTest, UnloadingWithoutDeleteMeDestroysTheObject) {
    watchDestruction(*getPlugin());
    module.close();
    EXPECT_EQ(destructions, 1);
}

// Unloading while the scoreboard is open must leave the host nothing that could call into
// a destroyed plugin: the next frame would be a use-after-free.
TEST_F(ModuleTest, UnloadWithTheScoreboardOpenLeavesNothingToCall) {
    sim::World world;
    world.players = {sim::Player{"p-1", "A\xe3\x81\x82", 0, 10, false}};
    Holder* holder = getPlugin();
    (*holder)->cvarManager = std::make_shared<CVarManagerWrapper>(world.address());
    (*holder)->gameWrapper = std::make_shared<GameWrapper>(world.address());
    (*holder)->onLoad();
    world.fire(veltrona::kEventTeamChanged);
    world.fire(veltrona::kEventOpenScoreboard);
    world.drawFrame();

    (*holder)->onUnload();
    deleteMe();
    EXPECT_TRUE(world.hooks.empty());
    EXPECT_TRUE(world.drawables.empty());
    world.calls.clear();
    world.drawFrame();
    EXPECT_TRUE(world.calls.empty());
    // The host drops the plugin's commands itself, while the module is still loaded.
    world.commands.clear();
}

}  // namespace
