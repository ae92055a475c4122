// Each kind of trace line, byte for byte, from the call record the stand-in SDK keeps:
// key order, unsigned colours, short float scales, image paths relative to the data folder
// and invalid UTF-8 replaced byte by byte.

#include "trace_writer.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "world.h"

namespace {

sim::Call callOf(sim::Op op, std::string text = {}) {
    sim::Call c;
    c.op = op;
    c.text = std::move(text);
    return c;
}

struct LineCase {
    std::string label;
    sim::Call call;
    std::string line;

    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.label; }
};

LineCase notifier() {
    auto c = callOf(sim::Op::registerNotifier, "Veltrona");
    c.extra = "test";
    c.value = 0;
    return {"registerNotifier", c,
            R"({"call":"registerNotifier","name":"Veltrona","text":"test","value":0})"};
}

LineCase command() {
    auto c = callOf(sim::Op::executeCommand, "Veltrona");
    c.flag = true;
    return {"executeCommand", c, R"({"call":"executeCommand","command":"Veltrona","flag":true})"};
}

LineCase colour() {
    sim::Call c;
    c.op = sim::Op::SetColor;
    c.rgba = {255, 128, 0, 7};
    return {"SetColor_unsigned", c, R"({"call":"SetColor","rgba":[255,128,0,7]})"};
}

LineCase position(int x, int y, std::string line) {
    sim::Call c;
    c.op = sim::Op::SetPosition;
    c.position = {x, y};
    return {"SetPosition_" + std::to_string(x < 0 ? 0 : x), c, std::move(line)};
}

LineCase draw(std::string label, int handle, float scale, std::string line) {
    sim::Call c;
    c.op = sim::Op::DrawTexture;
    c.value = handle;
    c.scale = scale;
    return {std::move(label), c, std::move(line)};
}

LineCase image(std::string label, int handle, std::string line) {
    auto c = callOf(sim::Op::ImageWrapper, "recorded text, not used while the handle is known");
    c.value = handle;
    return {std::move(label), c, std::move(line)};
}

class TraceLine : public testing::TestWithParam<LineCase> {
protected:
    TraceLine() {
        world.dataFolder = std::filesystem::path("host") / "data";
        world.images.emplace(0, sim::Image{world.dataFolder / "assets" / "png" / "3042.png", true});
        world.images.emplace(1, sim::Image{std::filesystem::path("elsewhere") / "65.png", false});
    }

    sim::World world;
    std::ostringstream out;
};

TEST_P(TraceLine, IsWrittenExactly) {
    hostrun::TraceWriter trace(out, world);
    world.calls.push_back(GetParam().call);
    trace.calls(world);
    EXPECT_EQ(out.str(), GetParam().line + "\n");
    EXPECT_TRUE(world.calls.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Calls, TraceLine,
    testing::Values(
        notifier(), command(),
        LineCase{"HookEvent", callOf(sim::Op::HookEvent, "Function TAGame.PRI_TA.OnTeamChanged"),
                 R"({"call":"HookEvent","event":"Function TAGame.PRI_TA.OnTeamChanged"})"},
        LineCase{"UnhookEvent", callOf(sim::Op::UnhookEvent, "E"), R"({"call":"UnhookEvent","event":"E"})"},
        LineCase{"RegisterDrawable", callOf(sim::Op::RegisterDrawable), R"({"call":"RegisterDrawable"})"},
        LineCase{"UnregisterDrawables", callOf(sim::Op::UnregisterDrawables),
                 R"({"call":"UnregisterDrawables"})"},
        LineCase{"log", callOf(sim::Op::log, "erase->p-4401"), R"({"call":"log","text":"erase->p-4401"})"},
        LineCase{"log_escapes", callOf(sim::Op::log, "a\"b\\c\n\t\x01"),
                 R"({"call":"log","text":"a\"b\\c\n\t\u0001"})"},
        LineCase{"log_utf8_kept", callOf(sim::Op::log, "たなか Zoë"),
                 R"({"call":"log","text":"たなか Zoë"})"},
        // Each byte that belongs to no well-formed character is one U+FFFD.
        LineCase{"log_truncated_character",
                 callOf(sim::Op::log,
                        "A\xE3\x81"
                        "B"),
                 R"({"call":"log","text":"A��B"})"},
        LineCase{"log_stray_bytes", callOf(sim::Op::log, "\x80\xFF"), R"({"call":"log","text":"��"})"},
        LineCase{"log_overlong", callOf(sim::Op::log, "\xC0\xAF"), R"({"call":"log","text":"��"})"},
        LineCase{"log_surrogate", callOf(sim::Op::log, "\xED\xA0\x80"), R"({"call":"log","text":"���"})"},
        LineCase{"log_past_U10FFFF", callOf(sim::Op::log, "\xF4\x90\x80\x80"),
                 R"({"call":"log","text":"����"})"},
        LineCase{"log_four_bytes_kept", callOf(sim::Op::log, "\xF0\x9F\x98\x80"),
                 R"({"call":"log","text":"😀"})"},
        image("ImageWrapper_in_data_folder", 0, R"({"call":"ImageWrapper","path":"assets/png/3042.png"})"),
        image("ImageWrapper_elsewhere", 1, R"({"call":"ImageWrapper","path":"elsewhere/65.png"})"), colour(),
        position(1500, 295, R"({"call":"SetPosition","x":1500,"y":295})"),
        position(-3, -94, R"({"call":"SetPosition","x":-3,"y":-94})"),
        draw("DrawTexture", 0, 0.5f, R"({"call":"DrawTexture","image":"assets/png/3042.png","scale":0.5})"),
        draw("DrawTexture_short_scale", 1, 1.1f,
             R"({"call":"DrawTexture","image":"elsewhere/65.png","scale":1.1})"),
        draw("DrawTexture_no_image", -1, 0.5f, R"({"call":"DrawTexture","image":null,"scale":0.5})")),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.label; });

TEST(TraceHostLines, HaveTheirKeysInOrder) {
    sim::World world;
    std::ostringstream out;
    hostrun::TraceWriter trace(out, world);
    trace.load();
    trace.event("Function TAGame.GFxData_GameEvent_TA.OnOpenScoreboard");
    trace.frame();
    trace.command("Veltrona extra \xFF words");
    trace.unload(2, 1);
    EXPECT_EQ(out.str(),
              "{\"host\":\"load\"}\n"
              "{\"host\":\"event\",\"name\":\"Function TAGame.GFxData_GameEvent_TA.OnOpenScoreboard\"}\n"
              "{\"host\":\"frame\"}\n"
              "{\"host\":\"command\",\"line\":\"Veltrona extra \xEF\xBF\xBD words\"}\n"
              "{\"host\":\"unload\",\"hooks\":2,\"drawables\":1}\n");
}

}  // namespace
