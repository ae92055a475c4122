#include "trace_writer.h"

#include <charconv>
#include <nlohmann/json.hpp>
#include <string_view>

#include "utf8.h"

namespace hostrun {
namespace {

using Line = nlohmann::ordered_json;

// Strings come from the plugin and need not be UTF-8: each goes into the trace through
// utf8::replaceInvalid, so a reader can still count its bytes.

void write(std::ostream& out, const Line& line) {
    out << line.dump(-1, ' ', false, Line::error_handler_t::replace) << '\n';
}

// A float as its shortest decimal form (0.7, not 0.699999988079071), which a reader of the
// trace compares against the constant in the source.
double shortest(float value) {
    char buffer[32];
    auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    double result = value;
    if (error == std::errc()) std::from_chars(buffer, end, result);
    return result;
}

const char* opName(sim::Op op) {
    switch (op) {
        case sim::Op::registerNotifier:
            return "registerNotifier";
        case sim::Op::executeCommand:
            return "executeCommand";
        case sim::Op::HookEvent:
            return "HookEvent";
        case sim::Op::UnhookEvent:
            return "UnhookEvent";
        case sim::Op::RegisterDrawable:
            return "RegisterDrawable";
        case sim::Op::UnregisterDrawables:
            return "UnregisterDrawables";
        case sim::Op::log:
            return "log";
        case sim::Op::ImageWrapper:
            return "ImageWrapper";
        case sim::Op::SetColor:
            return "SetColor";
        case sim::Op::SetPosition:
            return "SetPosition";
        case sim::Op::DrawTexture:
            return "DrawTexture";
    }
    return "unknown";
}

}  // namespace

TraceWriter::TraceWriter(std::ostream& out, const sim::World& world) : out_(out), world_(world) {}

void TraceWriter::load() { write(out_, Line{{"host", "load"}}); }

void TraceWriter::event(const std::string& name) {
    write(out_, Line{{"host", "event"}, {"name", utf8::replaceInvalid(name)}});
}

void TraceWriter::wait() { write(out_, Line{{"host", "wait"}}); }

void TraceWriter::frame() { write(out_, Line{{"host", "frame"}}); }

void TraceWriter::command(const std::string& line) {
    write(out_, Line{{"host", "command"}, {"line", utf8::replaceInvalid(line)}});
}

void TraceWriter::unload(std::size_t hooks, std::size_t drawables) {
    write(out_, Line{{"host", "unload"}, {"hooks", hooks}, {"drawables", drawables}});
}

void TraceWriter::calls(sim::World& world) {
    for (const auto& c : world.calls) call(c);
    world.calls.clear();
    for (int handle : world.releasedImages) imagePaths_.erase(handle);
    world.dropReleasedImages();
}

void TraceWriter::flush() { out_.flush(); }

void TraceWriter::call(const sim::Call& c) {
    Line line{{"call", opName(c.op)}};
    switch (c.op) {
        case sim::Op::registerNotifier:
            line["name"] = utf8::replaceInvalid(c.text);
            line["text"] = utf8::replaceInvalid(c.extra);
            line["value"] = c.value;
            break;
        case sim::Op::executeCommand:
            line["command"] = utf8::replaceInvalid(c.text);
            line["flag"] = c.flag;
            break;
        case sim::Op::HookEvent:
        case sim::Op::UnhookEvent:
            line["event"] = utf8::replaceInvalid(c.text);
            break;
        case sim::Op::RegisterDrawable:
        case sim::Op::UnregisterDrawables:
            break;
        case sim::Op::log:
            line["text"] = utf8::replaceInvalid(c.text);
            break;
        case sim::Op::ImageWrapper: {
            const auto* path = imagePath(c.value);
            line["path"] = path != nullptr ? *path : utf8::replaceInvalid(c.text);
            break;
        }
        case sim::Op::SetColor:
            line["rgba"] = {c.rgba[0], c.rgba[1], c.rgba[2], c.rgba[3]};
            break;
        case sim::Op::SetPosition:
            line["x"] = c.position.X;
            line["y"] = c.position.Y;
            break;
        case sim::Op::DrawTexture: {
            const auto* path = imagePath(c.value);
            line["image"] = path != nullptr ? Line(*path) : Line(nullptr);
            line["scale"] = shortest(c.scale);
            break;
        }
    }
    write(out_, line);
}

const std::string* TraceWriter::imagePath(int handle) {
    if (auto known = imagePaths_.find(handle); known != imagePaths_.end()) return &known->second;
    auto image = world_.images.find(handle);
    if (image == world_.images.end()) return nullptr;
    const auto& path = image->second.path;
    auto relative = path.lexically_relative(world_.dataFolder);
    // An image outside the data folder keeps its full path: it cannot be written
    // relative to it without "..", which would hide where it really is.
    bool inside = !relative.empty() && *relative.begin() != "..";
    return &imagePaths_.emplace(handle, utf8::replaceInvalid(sim::utf8(inside ? relative : path)))
                .first->second;
}

}  // namespace hostrun
