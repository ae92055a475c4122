// The soak is only as good as its trace check: each property must catch the trace that
// breaks it, and pass the traces a well-behaved plugin writes, including the runner's own
// orderings (an unload's calls come before its line).

#include "trace_properties.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kLoad = R"({"host":"load"})";
const std::string kHook =
    R"({"call":"HookEvent","event":"Function TAGame.GFxData_GameEvent_TA.OnOpenScoreboard"})";
const std::string kOpen =
    R"({"host":"event","name":"Function TAGame.GFxData_GameEvent_TA.OnOpenScoreboard"})";
const std::string kClose =
    R"({"host":"event","name":"Function TAGame.GFxData_GameEvent_TA.OnCloseScoreboard"})";
const std::string kTeam = R"({"host":"event","name":"Function TAGame.PRI_TA.OnTeamChanged"})";
const std::string kImage = R"({"call":"ImageWrapper","path":"assets/png/3042.png"})";
const std::string kUnregister = R"({"call":"UnregisterDrawables"})";
const std::string kRegister = R"({"call":"RegisterDrawable"})";
const std::string kFrame = R"({"host":"frame"})";
const std::string kWhite = R"({"call":"SetColor","rgba":[255,255,255,255]})";
const std::string kOrigin = R"({"call":"SetPosition","x":0,"y":0})";
const std::string kAtRow = R"({"call":"SetPosition","x":1490,"y":295})";
const std::string kDraw = R"({"call":"DrawTexture","image":"assets/png/3042.png","scale":0.5})";
const std::string kUnhook = R"({"call":"UnhookEvent","event":"Function TAGame.PRI_TA.OnTeamChanged"})";
const std::string kUnload = R"({"host":"unload","hooks":0,"drawables":0})";

struct Expected {
    std::size_t line;
    std::string what;  // the start of the fault's description
};

struct TraceCase {
    std::string label;
    std::vector<std::string> lines;
    std::optional<Expected> fault;

    friend void PrintTo(const TraceCase& c, std::ostream* os) { *os << c.label; }
};

// A row of glyphs at one height.
std::vector<std::string> row(std::size_t glyphs, int y) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < glyphs; ++i) {
        lines.push_back(R"({"call":"SetPosition","x":1500,"y":)" + std::to_string(y) + "}");
        lines.push_back(kDraw);
    }
    return lines;
}

std::vector<std::string> frameOf(std::vector<std::vector<std::string>> rows) {
    std::vector<std::string> lines = {kFrame, kWhite, kOrigin};
    for (const auto& r : rows) lines.insert(lines.end(), r.begin(), r.end());
    return lines;
}

// Load, team change with one glyph, scoreboard open: what every drawing case starts with.
std::vector<std::string> opened(std::vector<std::string> rest) {
    std::vector<std::string> lines = {kLoad, kHook, kTeam, kImage, kOpen, kUnregister, kRegister};
    lines.insert(lines.end(), rest.begin(), rest.end());
    return lines;
}

// The player's "Veltrona fixed" right after the load.
std::vector<std::string> fixedLayout(std::vector<std::string> lines) {
    lines.insert(lines.begin() + 1, R"({"host":"command","line":"Veltrona fixed"})");
    return lines;
}

class TraceProperties : public testing::TestWithParam<TraceCase> {};

TEST_P(TraceProperties, FindsTheFirstFaultOrNone) {
    const auto& c = GetParam();
    std::string text;
    for (const auto& line : c.lines) text += line + "\n";
    std::istringstream in(text);
    auto check = soak::checkTrace(in);
    if (!c.fault) {
        EXPECT_FALSE(check.fault) << "line " << check.fault->line << ": " << check.fault->what;
        return;
    }
    ASSERT_TRUE(check.fault);
    EXPECT_EQ(check.fault->line, c.fault->line) << check.fault->what;
    EXPECT_EQ(check.fault->what.substr(0, c.fault->what.size()), c.fault->what);
}

INSTANTIATE_TEST_SUITE_P(
    Table, TraceProperties,
    testing::Values(
        TraceCase{"a_whole_match",
                  opened({kFrame, kWhite, kOrigin, kAtRow, kDraw, kAtRow, kDraw, kClose, kUnregister, kFrame,
                          kUnhook, kUnregister, kUnload}),
                  std::nullopt},
        // The unload's calls come straight after the last frame's drawing.
        TraceCase{"unload_right_after_a_drawn_frame",
                  opened({kFrame, kWhite, kOrigin, kUnhook, kUnregister, kUnload, kFrame}), std::nullopt},
        TraceCase{"frames_before_any_load", {kFrame, kFrame, kLoad, kFrame}, std::nullopt},
        TraceCase{"every_log_kind",
                  {kLoad, R"({"call":"log","text":"End"})", R"({"call":"log","text":"pl is null"})",
                   R"({"call":"log","text":"erase->p-1"})", R"({"call":"log","text":"erase->"})",
                   R"({"call":"log","text":"Veltrona: on, scaled layout"})",
                   R"({"call":"log","text":"Veltrona: not in an online match; type Veltrona again in one"})",
                   R"({"call":"log","text":"Veltrona: unknown option \"x\"; use \"Veltrona scaled\" or \"Veltrona fixed\""})",
                   R"({"call":"log","text":"Veltrona: fixed layout kept; not in an online match; type Veltrona again in one"})",
                   R"({"call":"log","text":"Veltrona: glyph folder \"D/assets/png\" not found"})",
                   R"({"call":"log","text":"Veltrona: no glyph image for A (65.png) in \"A\""})"},
                  std::nullopt},

        TraceCase{"drawing_after_the_unload", opened({kUnhook, kUnload, kFrame, kWhite}),
                  Expected{11, "a call from a plugin that is not loaded"}},
        TraceCase{"a_call_before_the_load",
                  {R"({"call":"log","text":"End"})"},
                  Expected{1, "a call from a plugin that is not loaded"}},
        TraceCase{"hooks_left_at_unload",
                  {kLoad, kHook, R"({"host":"unload","hooks":1,"drawables":0})"},
                  Expected{3, "the plugin left event hooks"}},
        TraceCase{"drawables_left_at_unload", opened({R"({"host":"unload","hooks":0,"drawables":1})"}),
                  Expected{8, "the plugin left drawables"}},
        TraceCase{"draw_without_its_own_position", opened({kFrame, kWhite, kOrigin, kAtRow, kDraw, kDraw}),
                  Expected{13, "a DrawTexture that does not follow its own SetPosition"}},
        TraceCase{"draw_right_after_the_colour", opened({kFrame, kWhite, kDraw}),
                  Expected{10, "SetColor is not followed by SetPosition (0, 0)"}},
        TraceCase{"image_never_constructed",
                  opened({kFrame, kWhite, kOrigin, kAtRow,
                          R"({"call":"DrawTexture","image":"assets/png/65.png","scale":0.5})"}),
                  Expected{12, "a DrawTexture of an image not constructed"}},
        TraceCase{"image_constructed_in_an_earlier_load",
                  {kLoad, kImage, kUnload, kLoad, kOpen, kRegister, kFrame, kWhite, kOrigin, kAtRow, kDraw},
                  Expected{11, "a DrawTexture of an image not constructed"}},
        TraceCase{
            "image_null",
            opened({kFrame, kWhite, kOrigin, kAtRow, R"({"call":"DrawTexture","image":null,"scale":0.5})"}),
            Expected{12, "a DrawTexture of an image not constructed"}},
        TraceCase{"frame_begins_with_a_position", opened({kFrame, kOrigin, kWhite}),
                  Expected{9, "a frame that does not begin with SetColor"}},
        TraceCase{"colour_not_white",
                  opened({kFrame, R"({"call":"SetColor","rgba":[255,255,255,0]})", kOrigin}),
                  Expected{9, "a frame's colour is not (255, 255, 255, 255)"}},
        TraceCase{"first_position_not_the_origin", opened({kFrame, kWhite, kAtRow}),
                  Expected{10, "SetColor is not followed by SetPosition (0, 0)"}},
        // A frame without a game: the drawable draws nothing.
        TraceCase{"registered_drawable_draws_nothing", opened({kFrame, kFrame}), std::nullopt},
        TraceCase{"two_registered_one_drew", opened({kRegister, kFrame, kWhite, kOrigin, kOpen}),
                  Expected{12, "a frame in which 1 of the plugin's 2 registered drawables drew"}},
        TraceCase{"drawing_with_nothing_registered",
                  {kLoad, kFrame, kWhite},
                  Expected{3, "drawing in a frame while no drawable of the plugin is registered"}},
        TraceCase{"drawing_after_the_close", opened({kClose, kUnregister, kFrame, kWhite}),
                  Expected{11, "drawing in a frame while no drawable"}},
        TraceCase{"drawing_inside_an_event", opened({kOpen, kWhite}), Expected{9, "drawing outside a frame"}},
        TraceCase{"rows_of_128_glyphs", fixedLayout(opened(frameOf({row(128, 295), row(128, 352)}))), std::nullopt},
        TraceCase{"rows_whose_height_saturates", opened(frameOf({row(100, 2147483647), row(100, 2147483647)})),
                  std::nullopt},
        TraceCase{"a_row_of_129_glyphs", fixedLayout(opened(frameOf({row(129, 295)}))),
                  Expected{8 + 3 + 2 * 129, "a row that draws more than 128 glyphs"}},
        // Rows of the scaled layout on a tiny screen share a height: counted as one, they
        // are no fault.
        TraceCase{"scaled_rows_at_one_height", opened(frameOf({row(128, 0), row(128, 0)})), std::nullopt},
        TraceCase{
            "other_log_line", {kLoad, R"({"call":"log","text":"Ended"})"}, Expected{2, "a log line the plugin does not write"}},
        TraceCase{"a_handler_failed",
                  {kLoad, R"({"call":"log","text":"Veltrona: the team change failed: bad_alloc"})"},
                  Expected{2, "a log line the plugin does not write, or a failure"}},
        TraceCase{"unknown_call", {kLoad, R"({"call":"Teleport"})"}, Expected{2, "an unknown call"}},
        TraceCase{"unknown_host_line", {R"({"host":"crash"})"}, Expected{1, "an unknown host line"}},
        TraceCase{"not_json", {kLoad, R"({"call":"log")"}, Expected{2, "not a JSON object"}},
        TraceCase{"field_of_the_wrong_type", {R"({"host":5})"}, Expected{1, "a field of the wrong type"}}),
    [](const testing::TestParamInfo<TraceCase>& info) { return info.param.label; });

TEST(TraceCounts, CountWhatTheTraceExercised) {
    std::string text;
    for (const auto& line :
         opened({kFrame, kWhite, kOrigin, kAtRow, kDraw, kAtRow, kDraw, kFrame, kWhite, kOrigin,
                 R"({"call":"log","text":"erase->p-1"})", kUnhook, kUnregister, kUnload})) {
        text += line + "\n";
    }
    std::istringstream in(text);
    auto check = soak::checkTrace(in);
    ASSERT_FALSE(check.fault) << check.fault->what;
    EXPECT_EQ(check.counts.lines, 21u);
    EXPECT_EQ(check.counts.loads, 1u);
    EXPECT_EQ(check.counts.drawnFrames, 2u);
    EXPECT_EQ(check.counts.textures, 2u);
    EXPECT_EQ(check.counts.erasures, 1u);
}

}  // namespace
