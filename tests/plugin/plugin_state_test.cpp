#include <gtest/gtest.h>

#include "Veltrona.h"

namespace {

TEST(PluginState, NewPluginStartsEmptyWithScoreboardClosed) {
    Veltrona plugin;
    EXPECT_EQ(plugin.overlay().screenSize, (Vector2{0, 0}));
    EXPECT_TRUE(plugin.overlay().scoreboardClosed);
    EXPECT_EQ(plugin.overlay().layoutChoice, layout::Choice::scaled);
    EXPECT_TRUE(plugin.roster().rows.empty());
    EXPECT_TRUE(plugin.roster().glyphs.players.empty());
    EXPECT_TRUE(plugin.roster().glyphs.loaded.empty());
    EXPECT_EQ(plugin.roster().teamZeroRowCount, 0);
    EXPECT_EQ(plugin.cvarManager, nullptr);
    EXPECT_EQ(plugin.gameWrapper, nullptr);
}

// The base class's special members are exported to the host and used by it.
TEST(PluginBase, CopySharesAndMoveTakesOverTheHostHandles) {
    Tessarin::Plugin::TessarinPlugin source;
    source.cvarManager = std::make_shared<CVarManagerWrapper>(0);
    source.gameWrapper = std::make_shared<GameWrapper>(0);

    Tessarin::Plugin::TessarinPlugin copy(source);
    EXPECT_EQ(copy.cvarManager, source.cvarManager);
    EXPECT_EQ(copy.gameWrapper.use_count(), 2);

    Tessarin::Plugin::TessarinPlugin moved(std::move(source));
    EXPECT_EQ(source.cvarManager, nullptr);
    EXPECT_EQ(source.gameWrapper, nullptr);
    EXPECT_EQ(moved.gameWrapper, copy.gameWrapper);

    Tessarin::Plugin::TessarinPlugin assigned;
    assigned = copy;
    EXPECT_EQ(assigned.cvarManager.use_count(), 3);
    assigned = std::move(moved);
    EXPECT_EQ(moved.cvarManager, nullptr);
    EXPECT_EQ(assigned.cvarManager.use_count(), 2);
}

TEST(PluginBase, DestructorReleasesGameWrapperBeforeCvarManager) {
    std::vector<std::string> released;
    {
        Tessarin::Plugin::TessarinPlugin plugin;
        plugin.cvarManager = std::shared_ptr<CVarManagerWrapper>(new CVarManagerWrapper(0), [&](auto* p) {
            released.push_back("cvar manager");
            delete p;
        });
        plugin.gameWrapper = std::shared_ptr<GameWrapper>(new GameWrapper(0), [&](auto* p) {
            released.push_back("game wrapper");
            delete p;
        });
    }
    EXPECT_EQ(released, (std::vector<std::string>{"game wrapper", "cvar manager"}));
}

}  // namespace
