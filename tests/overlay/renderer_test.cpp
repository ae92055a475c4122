#include "overlay.h"
#include "scaled_layout.h"
#include "world_fixture.h"

namespace {

struct Position {
    std::int32_t x;
    std::int32_t y;
    friend bool operator==(const Position&, const Position&) = default;
    friend std::ostream& operator<<(std::ostream& os, const Position& p) {
        return os << "(" << p.x << ", " << p.y << ")";
    }
};

// A row's glyphs as a pattern: N narrow, W wide.
struct RenderCase {
    const char* label;
    Vector2 screen;
    std::int32_t teamZeroRows;
    std::vector<std::string> rows;
    std::vector<Position> expected;  // every glyph, in drawing order

    friend void PrintTo(const RenderCase& c, std::ostream* os) { *os << c.label; }
};

class RendererBase : public WorldFixture {
protected:
    void addRow(const std::string& key, const std::string& pattern) {
        roster.rows.push_back({key, 0, false, key});
        auto& player = roster.glyphs.players[key];
        for (char glyph : pattern) {
            player.glyphs.push_back({"g", std::make_shared<ImageWrapper>("g", true, false), glyph == 'W'});
        }
    }

    void drawFrame() {
        world.calls.clear();
        drawGlyphRows(overlay, roster, game, CanvasWrapper(world.address()));
    }

    Roster roster;
    // The fixed layout's own pixels, unless a test chooses the scaled one.
    Overlay overlay = [] {
        Overlay fixed;
        fixed.layoutChoice = layout::Choice::fixed;
        return fixed;
    }();

    float expectedScale = 0.5f;

    // Checks the frame's opening calls and that every draw comes right after its own
    // position, and returns the glyph positions.
    std::vector<Position> glyphPositions() {
        std::vector<Position> positions;
        const auto& calls = world.calls;
        EXPECT_GE(calls.size(), 2u);
        if (calls.size() < 2) return positions;
        EXPECT_EQ(calls[0].op, sim::Op::SetColor);
        EXPECT_EQ(calls[0].rgba, (std::array<std::uint8_t, 4>{255, 255, 255, 255}));
        EXPECT_EQ(calls[1].op, sim::Op::SetPosition);
        EXPECT_EQ(calls[1].position, (Vector2{0, 0}));
        EXPECT_EQ(calls.size() % 2, 0u);
        for (std::size_t i = 2; i + 1 < calls.size(); i += 2) {
            EXPECT_EQ(calls[i].op, sim::Op::SetPosition);
            EXPECT_EQ(calls[i + 1].op, sim::Op::DrawTexture);
            EXPECT_EQ(calls[i + 1].scale, expectedScale);
            positions.push_back({calls[i].position.X, calls[i].position.Y});
        }
        return positions;
    }
};

class Renderer : public RendererBase, public testing::WithParamInterface<RenderCase> {};

TEST_P(Renderer, PlacesEveryGlyph) {
    const auto& c = GetParam();
    world.screen = c.screen;
    roster.teamZeroRowCount = c.teamZeroRows;
    for (std::size_t i = 0; i < c.rows.size(); ++i) addRow("row" + std::to_string(i), c.rows[i]);
    drawFrame();
    EXPECT_EQ(glyphPositions(), c.expected);
    EXPECT_EQ(overlay.screenSize, c.screen);
}

const std::vector<Position> kWorkedExample = {
    {1500, 295}, {1532, 295}, {1554, 295}, {1596, 295}, {1643, 295},  // row 0: N N W W N
    {1490, 352}, {1532, 352}, {1574, 352},                            // row 1: W W W
    {1500, 409},                                                      // row 2
    {1490, 562}, {1537, 562}, {1559, 562},                            // row 3: W N W
    {1500, 619}, {1500, 676}};

// Ten wide glyphs end at 1910; the eleventh would end past 1920.
std::vector<Position> tenWide() {
    std::vector<Position> out;
    for (int i = 0; i < 10; ++i) out.push_back({1490 + 42 * i, 562});
    return out;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, Renderer,
    testing::Values(
        RenderCase{"worked_example", {1920, 1080}, 3, {"NNWWN", "WWW", "N", "WNW", "N", "N"}, kWorkedExample},
        RenderCase{"odd_height_same_rows", {1920, 1081}, 3, {"NNWWN", "WWW", "N", "WNW", "N", "N"}, kWorkedExample},
        // A long name is cut at the screen's edge; nothing of it goes to the left edge.
        RenderCase{"cut_at_the_right_edge", {1600, 1080}, 0, {"NNNNNN", "N"},
                   {{1500, 562}, {1532, 562}, {1564, 562}, {1500, 619}}},
        RenderCase{"twelve_wide_cut_after_ten", {1920, 1080}, 0, {"WWWWWWWWWWWW"}, tenWide()},
        RenderCase{"glyph_ending_at_the_edge_drawn", {1532, 1080}, 0, {"NNN"}, {{1500, 562}}},
        RenderCase{"screen_narrower_than_the_start", {1280, 720}, 0, {"NN"}, {}},
        RenderCase{"negative_y_truncates_toward_zero",
                   {1920, 301},
                   3,
                   {"N", "N", "N", "N"},
                   {{1500, -94}, {1500, -37}, {1500, 19}, {1500, 172}}},
        RenderCase{"no_team_zero_rows", {1920, 1080}, 0, {"N", "W"}, {{1500, 562}, {1490, 619}}},
        RenderCase{"all_rows_upper", {1920, 1080}, 5, {"N", "N"}, {{1500, 181}, {1500, 238}}},
        RenderCase{"empty_rows_keep_their_place", {1920, 1080}, 0, {"", "N"}, {{1500, 619}}}),
    [](const auto& info) { return info.param.label; });

TEST_F(Renderer, EmptyRosterDrawsNothing) {
    drawFrame();
    EXPECT_EQ(world.calls.size(), 2u);
    EXPECT_TRUE(glyphPositions().empty());
}

// The frame only reads the glyph records: a row without one keeps its place, and no record
// appears for it.
TEST_F(Renderer, KeyWithoutGlyphsKeepsItsRowAndGainsNoRecord) {
    roster.rows.push_back({"ghost", 0, false, "Ghost"});
    addRow("next", "N");
    drawFrame();
    EXPECT_EQ(glyphPositions(), (std::vector<Position>{{1500, 619}}));
    EXPECT_FALSE(hasGlyphs(roster, "ghost"));
}

TEST_F(Renderer, DrawsEachRowsOwnImagesInNameOrder) {
    addRow("a", "NW");
    addRow("b", "N");
    drawFrame();
    std::vector<int> drawn;
    for (const auto& call : world.calls) {
        if (call.op == sim::Op::DrawTexture) drawn.push_back(call.value);
    }
    EXPECT_EQ(drawn, (std::vector<int>{glyphsOf(roster, "a")[0].image->handle(), glyphsOf(roster, "a")[1].image->handle(),
                                       glyphsOf(roster, "b")[0].image->handle()}));
}

// A new screen size or team split shows on the very next frame.
TEST_F(Renderer, RecomputesFromTheCurrentScreenEveryFrame) {
    overlay.layoutChoice = layout::Choice::scaled;
    addRow("a", "N");
    drawFrame();
    world.screen = {1280, 720};
    roster.teamZeroRowCount = 1;
    expectedScale = 0.33333334f;
    drawFrame();
    EXPECT_EQ(glyphPositions(), (std::vector<Position>{{1000, 272}}));  // 409 on the reference screen
}

// --- The scaled layout ------------------------------------------------------------------

struct ScaledCase {
    const char* label;
    Vector2 screen;
    std::vector<Position> expected;  // row 0 (upper block, "WN"), then row 2 (lower block, "N")
    float scale;

    friend void PrintTo(const ScaledCase& c, std::ostream* os) { *os << c.label; }
};

class ScaledRenderer : public RendererBase, public testing::WithParamInterface<ScaledCase> {};

// Rows laid out on 1920 x 1080, then mapped about the centre by the ratio of the heights.
TEST_P(ScaledRenderer, MapsTheReferenceScreenOntoTheRealOne) {
    const auto& c = GetParam();
    overlay.layoutChoice = layout::Choice::scaled;
    world.screen = c.screen;
    roster.teamZeroRowCount = 2;
    addRow("a", "WN");
    addRow("b", "");
    addRow("c", "N");
    expectedScale = c.scale;
    drawFrame();
    EXPECT_EQ(glyphPositions(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Screens, ScaledRenderer,
    testing::Values(ScaledCase{"reference_screen_is_the_fixed_layout", {1920, 1080}, {{1490, 352}, {1537, 352}, {1500, 562}}, 0.5f},
                    ScaledCase{"qhd", {2560, 1440}, {{1986, 469}, {2049, 469}, {2000, 749}}, 0.6666667f},
                    ScaledCase{"hd", {1280, 720}, {{993, 234}, {1024, 234}, {1000, 374}}, 0.33333334f},
                    ScaledCase{"ultrawide", {3440, 1440}, {{2426, 469}, {2489, 469}, {2440, 749}}, 0.6666667f},
                    ScaledCase{"handheld", {1280, 800}, {{1032, 260}, {1067, 260}, {1040, 416}}, 0.37037036f}),
    [](const auto& info) { return info.param.label; });

// In the scaled layout a name is cut where the real screen's edge falls on the reference
// screen: the same place on 16:9, further right on an ultrawide, further left on 4:3.
struct ScaledCutCase {
    const char* label;
    Vector2 screen;
    std::size_t drawn;  // of twelve wide glyphs

    friend void PrintTo(const ScaledCutCase& c, std::ostream* os) { *os << c.label; }
};

class ScaledCut : public RendererBase, public testing::WithParamInterface<ScaledCutCase> {};

TEST_P(ScaledCut, CutsAtTheMappedEdge) {
    overlay.layoutChoice = layout::Choice::scaled;
    world.screen = GetParam().screen;
    addRow("a", "WWWWWWWWWWWW");
    expectedScale = layout::scaledDrawScale(layout::scaledMapping(GetParam().screen));
    drawFrame();
    auto positions = glyphPositions();
    ASSERT_EQ(positions.size(), GetParam().drawn);
    for (const auto& p : positions) EXPECT_GT(p.x, 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, ScaledCut,
                         testing::Values(ScaledCutCase{"hd", {1280, 720}, 10},
                                         ScaledCutCase{"ultrawide", {3440, 1440}, 12},
                                         ScaledCutCase{"four_by_three", {1024, 768}, 4}),
                         [](const auto& info) { return info.param.label; });

// The match may end under an open scoreboard without a closing: no game, no drawing, and the
// drawing comes back by itself with a game.
TEST_F(RendererBase, DrawsNothingWithoutAGame) {
    addRow("a", "N");
    world.game = false;
    drawFrame();
    EXPECT_TRUE(world.calls.empty());
    world.game = true;
    drawFrame();
    EXPECT_EQ(glyphPositions(), (std::vector<Position>{{1500, 562}}));
}

}  // namespace
