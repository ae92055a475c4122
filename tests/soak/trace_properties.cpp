#include "trace_properties.h"

#include <nlohmann/json.hpp>
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <limits>
#include <sstream>
#include <unordered_set>

namespace soak {
namespace {

using nlohmann::json;

constexpr std::size_t kShownLength = 200;
// The most glyphs one name may draw.
constexpr std::size_t kMaxRowGlyphs = 128;
constexpr std::int64_t kLowestY = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kHighestY = std::numeric_limits<std::int32_t>::max();
const json kWhite = {255, 255, 255, 255};

bool isCanvasCall(const std::string& name) {
    return name == "SetColor" || name == "SetPosition" || name == "DrawTexture";
}

bool isHostCall(const std::string& name) {
    return name == "registerNotifier" || name == "executeCommand" || name == "HookEvent" ||
           name == "UnhookEvent" || name == "RegisterDrawable" || name == "UnregisterDrawables" ||
           name == "log" || name == "ImageWrapper";
}

bool isKnownLog(const json& text) {
    if (!text.is_string()) return false;
    const auto& line = text.get_ref<const std::string&>();
    return line == "End" || line == "pl is null" || line.starts_with("erase->") ||
           line == "Veltrona: on, scaled layout" || line == "Veltrona: on, fixed layout" ||
           line == "Veltrona: not in an online match; type Veltrona again in one" ||
           line.ends_with(" layout kept; not in an online match; type Veltrona again in one") ||
           line.starts_with("Veltrona: unknown option \"") || line.starts_with("Veltrona: glyph folder \"") ||
           line.starts_with("Veltrona: no glyph image for ") ||
           line == "Veltrona: more names miss glyph images this match; veltrona-glyphs check lists them";
}

bool isOrigin(const json& line) { return line.value("x", -1) == 0 && line.value("y", -1) == 0; }

// Reads the trace one line at a time, keeping only what a later line is checked against.
class Checker {
public:
    // The fault of this line, or nothing.
    std::optional<std::string> line(const json& line) {
        if (line.contains("host")) return hostLine(line);
        if (line.contains("call")) return callLine(line);
        return "neither a \"host\" nor a \"call\" line";
    }

    // The fault of the trace's end, or nothing.
    std::optional<std::string> end() { return endFrame(); }

    TraceCounts counts;

private:
    std::optional<std::string> hostLine(const json& line) {
        auto fault = endFrame();
        if (fault) return fault;
        previous_.clear();
        const auto kind = line["host"].get<std::string>();
        if (kind == "load") {
            if (loaded_) return "a load while the module is loaded";
            loaded_ = true;
            ++counts.loads;
            constructed_.clear();
            registered_ = 0;
            scaled_ = true;
        } else if (kind == "unload") {
            if (!loaded_) return "an unload while the module is not loaded";
            loaded_ = false;
            registered_ = 0;
            if (line.value("hooks", -1) != 0) return "the plugin left event hooks with the host at unload";
            if (line.value("drawables", -1) != 0) return "the plugin left drawables with the host at unload";
        } else if (kind == "frame") {
            inFrame_ = true;
            frameColours_ = 0;
            frameDrawables_ = registered_;
        } else if (kind == "command") {
            if (loaded_) followLayoutWord(line["line"].get<std::string>());
        } else if (kind != "event") {
            return "an unknown host line";
        }
        return std::nullopt;
    }

    std::optional<std::string> callLine(const json& line) {
        const auto name = line["call"].get<std::string>();
        auto previous = previous_;
        previous_ = name;
        if (!loaded_) return "a call from a plugin that is not loaded";
        if (isCanvasCall(name)) return canvasCall(name, line, previous);
        // The drawables make canvas calls only, so any other call comes after the frame:
        // the calls of an unload, say, which the trace writes before its own line.
        if (auto fault = endFrame()) return fault;
        if (!isHostCall(name)) return "an unknown call";
        if (name == "ImageWrapper") constructed_.insert(line.value("path", ""));
        if (name == "RegisterDrawable") ++registered_;
        if (name == "UnregisterDrawables") registered_ = 0;
        if (name == "log") {
            if (!isKnownLog(line["text"]))
                return "a log line the plugin does not write, or a failure";
            if (line["text"].get_ref<const std::string&>().starts_with("erase->")) ++counts.erasures;
        }
        return std::nullopt;
    }

    std::optional<std::string> canvasCall(const std::string& name, const json& line,
                                          const std::string& previous) {
        if (!inFrame_) return "drawing outside a frame";
        if (frameDrawables_ == 0) return "drawing in a frame while no drawable of the plugin is registered";
        // Each registered drawable's part of the frame starts with the colour, then the origin.
        if (previous.empty() && name != "SetColor") return "a frame that does not begin with SetColor";
        if (name == "SetPosition") positionY_ = line["y"].get<std::int64_t>();
        if (name == "SetColor") {
            ++frameColours_;
            rowGlyphs_ = 0;
            if (line["rgba"] != kWhite) return "a frame's colour is not (255, 255, 255, 255)";
        } else if (previous == "SetColor" && !(name == "SetPosition" && isOrigin(line))) {
            return "SetColor is not followed by SetPosition (0, 0)";
        }
        if (name == "DrawTexture") {
            if (previous != "SetPosition") return "a DrawTexture that does not follow its own SetPosition";
            const auto& image = line["image"];
            if (!image.is_string() || !constructed_.contains(image.get<std::string>())) {
                return "a DrawTexture of an image not constructed since the load";
            }
            ++counts.textures;
            if (auto fault = rowGlyph()) return fault;
        }
        return std::nullopt;
    }

    // The scaled layout on a screen a few pixels high puts rows at one height, so rows are
    // told apart only in the fixed one.
    void followLayoutWord(const std::string& commandLine) {
        std::istringstream words(commandLine);
        std::string name;
        std::string word;
        if (!(words >> name) || name != "Veltrona" || !(words >> word)) return;
        std::transform(word.begin(), word.end(), word.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (word == "scaled") scaled_ = true;
        if (word == "fixed") scaled_ = false;
    }

    // A row is a run of draws at one height: rows are a pitch apart, unless the screen is so
    // large that their heights saturate.
    std::optional<std::string> rowGlyph() {
        if (rowGlyphs_ == 0 || positionY_ != rowY_) {
            rowY_ = positionY_;
            rowGlyphs_ = 0;
        }
        ++rowGlyphs_;
        bool saturated = rowY_ == kLowestY || rowY_ == kHighestY;
        if (rowGlyphs_ > kMaxRowGlyphs && !saturated && !scaled_) return "a row that draws more than 128 glyphs";
        return std::nullopt;
    }

    std::optional<std::string> endFrame() {
        if (!inFrame_) return std::nullopt;
        inFrame_ = false;
        if (frameColours_ > 0) ++counts.drawnFrames;
        // Without a game the plugin's drawables all draw nothing; with one, each draws.
        if (frameColours_ != frameDrawables_ && frameColours_ != 0) {
            return "a frame in which " + std::to_string(frameColours_) + " of the plugin's " +
                   std::to_string(frameDrawables_) + " registered drawables drew";
        }
        return std::nullopt;
    }

    bool loaded_ = false;
    std::unordered_set<std::string> constructed_;  // image paths since the last load
    std::size_t registered_ = 0;                   // the plugin's drawables with the host
    bool inFrame_ = false;
    std::size_t frameColours_ = 0;    // drawables that began their part of this frame
    std::size_t frameDrawables_ = 0;  // the plugin's drawables with the host as the frame began
    std::string previous_;            // the call just before, within one host line's calls
    std::int64_t positionY_ = 0;      // of the last SetPosition
    std::int64_t rowY_ = 0;
    std::size_t rowGlyphs_ = 0;  // draws in a row at rowY_ so far
    bool scaled_ = true;         // the layout the player chose since the load
};

}  // namespace

TraceCheck checkTrace(std::istream& trace) {
    TraceCheck result;
    Checker checker;
    std::string text;
    while (std::getline(trace, text)) {
        auto number = ++checker.counts.lines;
        std::optional<std::string> fault;
        auto line = json::parse(text, nullptr, false);
        if (line.is_discarded() || !line.is_object()) {
            fault = "not a JSON object";
        } else {
            try {
                fault = checker.line(line);
            } catch (const json::exception& e) {
                fault = std::string("a field of the wrong type: ") + e.what();
            }
        }
        if (fault) {
            result.counts = checker.counts;
            result.fault = TraceFault{number, *fault, text.substr(0, kShownLength)};
            return result;
        }
    }
    if (auto fault = checker.end())
        result.fault = TraceFault{checker.counts.lines, *fault, "(end of the trace)"};
    result.counts = checker.counts;
    return result;
}

}  // namespace soak
