#include "trace_writer.h"

#include <charconv>
#include <string_view>
#include <nlohmann/json.hpp>

namespace hostrun {
namespace {

using Line = nlohmann::ordered_json;

constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD

// Length of the well-formed UTF-8 sequence at the start of bytes, or 0 if there is none
// (a stray or missing continuation byte, an overlong form, a surrogate, past U+10FFFF).
std::size_t sequenceLength(std::string_view bytes) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;  // range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (bytes.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

// Strings come from the plugin and need not be UTF-8. Each byte that is not part of a
// well-formed character becomes U+FFFD, one for one, so a reader can count the bytes.
std::string validUtf8(const std::string& text) {
    std::string result;
    std::string_view rest = text;
    while (!rest.empty()) {
        auto length = sequenceLength(rest);
        if (length == 0) {
            result += kReplacement;
            rest.remove_prefix(1);
        } else {
            result.append(rest.substr(0, length));
            rest.remove_prefix(length);
        }
    }
    return result;
}

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

void TraceWriter::event(const std::string& name) { write(out_, Line{{"host", "event"}, {"name", validUtf8(name)}}); }

void TraceWriter::frame() { write(out_, Line{{"host", "frame"}}); }

void TraceWriter::command(const std::string& line) { write(out_, Line{{"host", "command"}, {"line", validUtf8(line)}}); }

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
            line["name"] = validUtf8(c.text);
            line["text"] = validUtf8(c.extra);
            line["value"] = c.value;
            break;
        case sim::Op::executeCommand:
            line["command"] = validUtf8(c.text);
            line["flag"] = c.flag;
            break;
        case sim::Op::HookEvent:
        case sim::Op::UnhookEvent:
            line["event"] = validUtf8(c.text);
            break;
        case sim::Op::RegisterDrawable:
        case sim::Op::UnregisterDrawables:
            break;
        case sim::Op::log:
            line["text"] = validUtf8(c.text);
            break;
        case sim::Op::ImageWrapper: {
            const auto* path = imagePath(c.value);
            line["path"] = path != nullptr ? *path : validUtf8(c.text);
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
    return &imagePaths_.emplace(handle, validUtf8(sim::utf8(inside ? relative : path))).first->second;
}

}  // namespace hostrun
