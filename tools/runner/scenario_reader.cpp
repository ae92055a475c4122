#include <limits>
#include <nlohmann/json.hpp>

#include "bad_input.h"
#include "json_field_path.h"
#include "paths.h"
#include "scenario.h"
#include "scenario_file.h"

namespace hostrun {
namespace {

using nlohmann::json;

constexpr char kStepForms[] =
    "a step is \"load\", \"unload\", \"wait\" or an object with one key: \"fire\", \"frames\", \"command\", "
    "\"online\", \"game\", \"screen\", \"add\", \"remove\" or \"update\"";
constexpr char kScenarioFields[] =
    "a scenario has \"screen\", \"online\", \"game\", \"data\", \"players\" and \"steps\"";
constexpr char kPlayerFields[] =
    "a player has \"id\", \"name\" or \"nameHex\", \"team\", \"score\" and \"bot\"";
constexpr std::int64_t kNoLimit = std::numeric_limits<std::int64_t>::max();

[[noreturn]] void fail(const std::string& where, const std::string& what) {
    throw BadInput(where.empty() ? what : where + ": " + what);
}

// A value as the message shows it: scalars as written, containers by their kind only, so
// that the message stays one short line.
std::string describe(const json& value) {
    if (value.is_array()) return "an array";
    if (value.is_object()) return "an object";
    return value.dump(-1, ' ', false, json::error_handler_t::replace);
}

std::string inQuotes(const std::string& text) { return "\"" + text + "\""; }

std::int64_t wholeNumber(const json& value, const std::string& where, std::int64_t min, std::int64_t max) {
    bool inRange = false;
    if (value.is_number_unsigned()) {
        auto number = value.get<std::uint64_t>();
        inRange = number <= static_cast<std::uint64_t>(max) &&
                  (min <= 0 || number >= static_cast<std::uint64_t>(min));
    } else if (value.is_number_integer()) {
        auto number = value.get<std::int64_t>();
        inRange = number >= min && number <= max;
    }
    if (!inRange) {
        auto range = max == kNoLimit ? std::to_string(min) + " or more"
                                     : "from " + std::to_string(min) + " to " + std::to_string(max);
        fail(where, "must be a whole number " + range + ", not " + describe(value));
    }
    return value.get<std::int64_t>();
}

bool boolean(const json& value, const std::string& where) {
    if (!value.is_boolean()) fail(where, "must be true or false, not " + describe(value));
    return value.get<bool>();
}

std::string text(const json& value, const std::string& where) {
    if (!value.is_string()) fail(where, "must be a string, not " + describe(value));
    return value.get<std::string>();
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "e3 81 82" or "e38182": pairs of hexadecimal digits, spaces allowed between pairs.
std::string bytesFromHex(const std::string& hex, const std::string& where) {
    std::string bytes;
    for (std::size_t i = 0; i < hex.size();) {
        if (hex[i] == ' ') {
            ++i;
            continue;
        }
        int high = hexDigit(hex[i]);
        int low = i + 1 < hex.size() ? hexDigit(hex[i + 1]) : -1;
        if (high < 0 || low < 0) {
            fail(where, "bad hexadecimal at character " + std::to_string(i + 1) + " of " + inQuotes(hex) +
                            ": give pairs of digits 0-9 a-f, with spaces only between pairs");
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
        i += 2;
    }
    return bytes;
}

Vector2 screenSize(const json& value, const std::string& where) {
    if (!value.is_array() || value.size() != 2)
        fail(where, "must be [width, height], not " + describe(value));
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    return {static_cast<std::int32_t>(wholeNumber(value[0], where + "[0]", 0, kMax)),
            static_cast<std::int32_t>(wholeNumber(value[1], where + "[1]", 0, kMax))};
}

// The player fields of an object; "at" is left to the caller when it is an update.
PlayerPatch playerFields(const json& object, const std::string& where, bool update) {
    PlayerPatch fields;
    for (const auto& [key, value] : object.items()) {
        auto at = where + "." + key;
        if (key == "id") {
            fields.id = text(value, at);
        } else if (key == "name") {
            fields.name = text(value, at);
        } else if (key == "nameHex") {
            fields.name = bytesFromHex(text(value, at), at);
        } else if (key == "team") {
            fields.team = static_cast<std::uint8_t>(wholeNumber(value, at, 0, 255));
        } else if (key == "score") {
            fields.score =
                static_cast<std::int32_t>(wholeNumber(value, at, std::numeric_limits<std::int32_t>::min(),
                                                      std::numeric_limits<std::int32_t>::max()));
        } else if (key == "bot") {
            fields.bot = boolean(value, at);
        } else if (!(update && key == "at")) {
            fail(where, "unknown field " + inQuotes(key) + "; " + kPlayerFields);
        }
    }
    if (object.contains("name") && object.contains("nameHex"))
        fail(where, "give \"name\" or \"nameHex\", not both");
    return fields;
}

std::optional<sim::Player> player(const json& value, const std::string& where) {
    if (value.is_null()) return std::nullopt;
    if (!value.is_object()) fail(where, "a player is an object or null, not " + describe(value));
    auto fields = playerFields(value, where, false);
    if (!fields.id) fail(where, "missing \"id\"");
    if (!fields.name) fail(where, "missing \"name\" or \"nameHex\"");
    if (!fields.team) fail(where, "missing \"team\"");
    if (!fields.score) fail(where, "missing \"score\"");
    return sim::Player{*fields.id, *fields.name, *fields.team, *fields.score, fields.bot.value_or(false)};
}

// What the steps before this one leave behind, so that every step is checked against the
// state it will meet when it runs.
struct Simulated {
    bool loaded = false;
    std::vector<bool> null;  // per player list element
};

std::size_t listIndex(const json& value, const std::string& where, const Simulated& state) {
    auto index = static_cast<std::size_t>(wholeNumber(value, where, 0, kNoLimit));
    if (index >= state.null.size()) {
        fail(where, "index " + std::to_string(index) + " is past the end of the player list, which has " +
                        std::to_string(state.null.size()) + " elements at this step");
    }
    return index;
}

Step objectStep(const std::string& key, const json& value, const std::string& where, Simulated& state) {
    Step step;
    if (key == "fire") {
        step.kind = StepKind::fire;
        step.text = text(value, where);
    } else if (key == "frames") {
        step.kind = StepKind::frames;
        step.count = static_cast<std::uint64_t>(wholeNumber(value, where, 0, kNoLimit));
    } else if (key == "command") {
        step.kind = StepKind::command;
        step.text = text(value, where);
    } else if (key == "online" || key == "game") {
        step.kind = key == "online" ? StepKind::online : StepKind::game;
        step.flag = boolean(value, where);
    } else if (key == "screen") {
        step.kind = StepKind::screen;
        step.screen = screenSize(value, where);
    } else if (key == "add") {
        step.kind = StepKind::add;
        step.player = player(value, where);
        state.null.push_back(!step.player);
    } else if (key == "remove") {
        step.kind = StepKind::remove;
        step.index = listIndex(value, where, state);
        state.null.erase(state.null.begin() + static_cast<std::ptrdiff_t>(step.index));
    } else if (key == "update") {
        step.kind = StepKind::update;
        if (!value.is_object())
            fail(where, "must be an object with \"at\" and the fields to change, not " + describe(value));
        if (!value.contains("at")) fail(where, "missing \"at\", the index of the player to change");
        step.index = listIndex(value["at"], where + ".at", state);
        if (state.null[step.index]) {
            fail(where + ".at", "element " + std::to_string(step.index) +
                                    " of the player list is null at this step; only a player can be updated");
        }
        step.patch = playerFields(value, where, true);
    } else {
        fail(where, "unknown step " + inQuotes(key) + "; " + kStepForms);
    }
    return step;
}

Step step(const json& value, const std::string& where, Simulated& state) {
    Step step;
    if (value.is_string()) {
        auto name = value.get<std::string>();
        if (name == "load") {
            if (state.loaded) fail(where, "\"load\" while the module is already loaded");
            state.loaded = true;
            step.kind = StepKind::load;
            return step;
        }
        if (name == "unload") {
            if (!state.loaded) fail(where, "\"unload\" while the module is not loaded");
            state.loaded = false;
            step.kind = StepKind::unload;
            return step;
        }
        if (name == "wait") {
            if (!state.loaded) fail(where, "\"wait\" while the module is not loaded");
            step.kind = StepKind::wait;
            return step;
        }
        fail(where, "unknown step " + inQuotes(name) + "; " + kStepForms);
    }
    if (!value.is_object()) fail(where, std::string(kStepForms) + ", not " + describe(value));
    if (value.size() != 1)
        fail(where, "a step object has exactly one key, this one has " + std::to_string(value.size()));
    auto item = value.items().begin();
    return objectStep(item.key(), item.value(), where + "." + item.key(), state);
}

// nlohmann's messages start with an exception tag that means nothing to a user.
std::string withoutTag(const std::string& message) {
    auto end = message.find("] ");
    return end == std::string::npos ? message : message.substr(end + 2);
}

// The number in nlohmann's "number overflow parsing '1e400'", as it was written.
std::string overflowingNumber(const std::string& message) {
    auto first = message.find('\'');
    auto last = message.rfind('\'');
    return first < last ? message.substr(first + 1, last - first - 1) : withoutTag(message);
}

}  // namespace

bool Scenario::loads() const {
    for (const auto& s : steps) {
        if (s.kind == StepKind::load) return true;
    }
    return false;
}

std::optional<Vector2> Scenario::screenAtLastFrame() const {
    Vector2 current = screen;
    std::optional<Vector2> last;
    for (const auto& s : steps) {
        if (s.kind == StepKind::screen) current = s.screen;
        if (s.kind == StepKind::frames && s.count > 0) last = current;
    }
    return last;
}

Scenario parseScenario(const std::string& source) {
    json root;
    JsonFieldPath field;
    try {
        root = json::parse(source, [&field](int, json::parse_event_t event, json& parsed) {
            return field.follow(event, parsed);
        });
    } catch (const json::parse_error& e) {
        fail("", "malformed JSON: " + withoutTag(e.what()));
    } catch (const json::out_of_range& e) {
        // A number past the range of a double, which no field could take.
        fail(field.text(), "the number " + overflowingNumber(e.what()) + " is too large to be read");
    }
    if (!root.is_object()) fail("", "a scenario is a JSON object, not " + describe(root));
    for (const auto& [key, value] : root.items()) {
        if (key != "screen" && key != "online" && key != "game" && key != "data" && key != "players" &&
            key != "steps") {
            fail("", "unknown field " + inQuotes(key) + "; " + kScenarioFields);
        }
    }

    Scenario scenario;
    if (root.contains("screen")) scenario.screen = screenSize(root["screen"], "screen");
    if (root.contains("online")) scenario.online = boolean(root["online"], "online");
    if (root.contains("game")) scenario.game = boolean(root["game"], "game");
    if (root.contains("data")) scenario.data = text(root["data"], "data");

    Simulated state;
    if (root.contains("players")) {
        const auto& players = root["players"];
        if (!players.is_array())
            fail("players", "must be an array of players and nulls, not " + describe(players));
        for (std::size_t i = 0; i < players.size(); ++i) {
            scenario.players.push_back(player(players[i], "players[" + std::to_string(i) + "]"));
            state.null.push_back(!scenario.players.back());
        }
    }

    if (!root.contains("steps")) fail("", "missing \"steps\", the list of what happens");
    const auto& steps = root["steps"];
    if (!steps.is_array()) fail("steps", "must be an array of steps, not " + describe(steps));
    for (std::size_t i = 0; i < steps.size(); ++i) {
        scenario.steps.push_back(step(steps[i], "steps[" + std::to_string(i) + "]", state));
    }
    return scenario;
}

Scenario readScenario(const std::filesystem::path& file) {
    auto text = scenarioFileText(file);
    try {
        return parseScenario(text);
    } catch (const BadInput& e) {
        fail(displayText(file), e.what());
    }
}

}  // namespace hostrun
