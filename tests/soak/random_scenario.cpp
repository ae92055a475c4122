#include "random_scenario.h"

#include <algorithm>
#include <limits>
#include <string>
#include <vector>

#include "random_source.h"
#include "scenario_text.h"

namespace soak {
namespace {

using nlohmann::json;

constexpr std::size_t kMaxPlayers = 32;
constexpr std::size_t kMaxInitialPlayers = 12;
constexpr std::size_t kShortNameBytes = 256;  // longer names are rare, see Steps
constexpr std::size_t kLongNameBytes = 4096;
constexpr std::int64_t kIntMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kIntMax = std::numeric_limits<std::int32_t>::max();

struct Name {
    std::string bytes;
    bool validUtf8 = true;
};

struct Script {
    char32_t first;
    char32_t last;
};

// Scripts a lobby's names come in, from one byte per character to four.
const std::vector<Script> kScripts = {
    {U'A', U'z'},     {U'0', U'9'},     {0x00C0, 0x00FF}, {0x0410, 0x044F},   {0x3041, 0x3096},
    {0x30A1, 0x30FA}, {0x4E00, 0x9FFF}, {0xAC00, 0xD7A3}, {0x1F600, 0x1F64F}, {0xFF01, 0xFF5E},
};

// Byte sequences no UTF-8 encoder writes: stray and missing continuation bytes, overlong
// forms, a surrogate, bytes past U+10FFFF, and NUL.
const std::vector<std::string> kMalformed = {
    std::string("\x80"),         std::string("\xBF\xBF"),     std::string("\xE3\x81"),
    std::string("\xC3"),         std::string("\xF0\x9F\x98"), std::string("\xC0\xAF"),
    std::string("\xE0\x80\xAF"), std::string("\xED\xA0\x80"), std::string("\xF5\x80\x80\x80"),
    std::string("\xFE"),         std::string("\xFF"),         std::string(1, '\0'),
};

std::string validText(RandomSource& random, std::size_t characters) {
    std::string text;
    const auto& script = random.pick(kScripts);
    for (std::size_t i = 0; i < characters; ++i) {
        // Mostly one script, as a real name is, with a character of another now and then.
        const auto& s = random.oneIn(4) ? random.pick(kScripts) : script;
        text += utf8(static_cast<char32_t>(random.between(s.first, s.last)));
    }
    return text;
}

Name randomBytes(RandomSource& random, std::size_t length) {
    Name name{{}, false};
    for (std::size_t i = 0; i < length; ++i) name.bytes.push_back(static_cast<char>(random.below(256)));
    return name;
}

Name malformed(RandomSource& random) {
    Name name{validText(random, random.below(12)), false};
    auto defects = 1 + random.below(3);
    for (std::uint64_t i = 0; i < defects; ++i) {
        // Anywhere, even inside a character, which malforms it further.
        auto at = random.below(name.bytes.size() + 1);
        name.bytes.insert(at, random.pick(kMalformed));
    }
    return name;
}

Name longName(RandomSource& random) {
    auto length = random.oneIn(2)
                      ? kLongNameBytes
                      : static_cast<std::size_t>(random.between(kShortNameBytes + 1, kLongNameBytes));
    if (random.oneIn(2)) return randomBytes(random, length);
    // Valid characters cut to the length, which may split the last one.
    Name name{validText(random, length), false};
    name.bytes.resize(length);
    return name;
}

Name playerName(RandomSource& random) {
    switch (random.weighted({30, 30, 12, 14, 2, 2})) {
        case 0:
            return {validText(random, 1 + random.below(16)), true};
        case 1: {
            // Mixed scripts in one name.
            std::string text;
            auto parts = 1 + random.below(4);
            for (std::uint64_t i = 0; i < parts; ++i) text += validText(random, 1 + random.below(6));
            return {text, true};
        }
        case 2:
            return randomBytes(random, random.below(48));
        case 3:
            return malformed(random);
        case 4:
            return longName(random);
        default:
            return {"", true};
    }
}

void setName(json& object, const Name& name, RandomSource& random) {
    // Text that JSON can carry goes either way; other bytes only as hexadecimal.
    if (name.validUtf8 && !random.oneIn(4)) {
        object["name"] = name.bytes;
    } else {
        object["nameHex"] = hexPairs(name.bytes);
    }
}

std::string playerId(RandomSource& random) {
    switch (random.weighted({70, 8, 10, 12})) {
        case 0:
            // A small pool, so that ids repeat within a list.
            return "p-" + std::to_string(random.below(16));
        case 1:
            return "";
        case 2:
            return validText(random, 1 + random.below(8));
        default:
            return "id-" + std::to_string(random.below(std::numeric_limits<std::uint32_t>::max()));
    }
}

std::int64_t team(RandomSource& random) {
    switch (random.weighted({45, 45, 6, 4})) {
        case 0:
            return 0;
        case 1:
            return 1;
        case 2:
            return 255;
        default:
            return random.between(2, 254);
    }
}

std::int64_t score(RandomSource& random) {
    switch (random.weighted({60, 8, 8, 6, 6, 12})) {
        case 0:
            return random.between(-50, 1500);
        case 1:
            return kIntMin;
        case 2:
            return kIntMax;
        case 3:
            return 0;
        case 4:
            return -1;
        default:
            return random.between(kIntMin, kIntMax);
    }
}

const std::vector<std::string> kBotNames = {"Rex", "Rex", "Bandit", "Sundown", "Rex"};

json player(RandomSource& random) {
    json p = json::object();
    bool bot = random.oneIn(6);
    p["id"] = bot && random.oneIn(2) ? "0" : playerId(random);
    // Bots go by their name, so bots of one name share a key.
    if (bot && !random.oneIn(4)) {
        p["name"] = random.pick(kBotNames);
    } else {
        setName(p, playerName(random), random);
    }
    p["team"] = team(random);
    p["score"] = score(random);
    if (bot || random.oneIn(8)) p["bot"] = bot;
    return p;
}

json playerOrNull(RandomSource& random) { return random.oneIn(8) ? json(nullptr) : player(random); }

json screen(RandomSource& random) {
    switch (random.weighted({30, 10, 10, 10, 20, 5, 5})) {
        case 0:
            return {1920, 1080};
        case 1:
            return {0, 0};
        case 2:
            return {random.between(0, 4000), 0};
        case 3:
            return {0, random.between(0, 2200)};
        case 4:
            // Odd heights put the centre between two pixels.
            return {random.between(1, 4000), 2 * random.between(0, 1100) + 1};
        case 5:
            return {kIntMax, kIntMax};
        default:
            return {1, 1};
    }
}

const std::vector<std::string> kCommandLines = {
    "Veltrona",    "Veltrona", "Veltrona on now", "  Veltrona  extra  ", "Veltrona scaled", "Veltrona fixed",
    "Veltrona scaled now",
    "Veltrona\tx", "veltrona", "VELTRONA",        "help Veltrona",
    "say hello",   "",         "Veltronas",
};

const std::vector<std::string> kOtherEvents = {
    "Function TAGame.Ball_TA.OnHitGoal",
    "Function TAGame.GFxData_GameEvent_TA.OnOpenScoreboard ",
    "",
};

// What a player list element holds, as far as the choice of the next step cares.
enum class Slot { null, player, longName };

Slot slotOf(const json& player) {
    if (player.is_null()) return Slot::null;
    bool isLong = player.contains("nameHex") &&
                  player["nameHex"].get_ref<const std::string&>().size() > 2 * kShortNameBytes;
    return isLong ? Slot::longName : Slot::player;
}

// The runner's view of the steps so far, so that every step is one it accepts.
class Steps {
public:
    Steps(RandomSource& random, std::vector<Slot> slots, json players)
        : random_(random), slots_(std::move(slots)), players_(std::move(players)) {}

    json next() {
        enum class Kind {
            load,
            frames,
            open,
            close,
            team,
            end,
            other,
            command,
            online,
            game,
            screen,
            add,
            remove,
            rejoin,
            update
        };
        bool hasPlayer = std::any_of(slots_.begin(), slots_.end(), [](Slot s) { return s != Slot::null; });
        bool hasLongName = std::find(slots_.begin(), slots_.end(), Slot::longName) != slots_.end();
        bool full = slots_.size() >= kMaxPlayers;
        // A long name costs thousands of trace lines a frame: it comes and goes within a
        // few frames, or the suite's short run would take minutes.
        unsigned removeWeight = slots_.empty() ? 0u : hasLongName ? 40u : 6u;
        auto kind = static_cast<Kind>(random_.weighted({
            loaded_ ? 2u : 12u,   // load or unload
            22,                   // frames
            12,                   // open
            10,                   // close
            12,                   // team change
            4,                    // match end
            1,                    // an event nobody hooks
            6,                    // command
            4,                    // online
            3,                    // game
            3,                    // screen
            full ? 0u : 8u,       // add
            removeWeight,         // remove
            full || departed_.empty() ? 0u : 4u,  // a player who left comes back
            hasPlayer ? 8u : 0u,  // update
        }));
        switch (kind) {
            case Kind::load:
                loaded_ = !loaded_;
                return loaded_ ? "load" : "unload";
            case Kind::frames: {
                auto roll = random_.weighted({10, 70, 20});
                std::int64_t count = roll == 0 ? 0 : roll == 1 ? 1 : random_.between(2, 4);
                return {{"frames", count}};
            }
            case Kind::open:
                return {{"fire", kOpenScoreboard}};
            case Kind::close:
                return {{"fire", kCloseScoreboard}};
            case Kind::team:
                return {{"fire", kTeamChanged}};
            case Kind::end:
                return {{"fire", kMatchEnded}};
            case Kind::other:
                return {{"fire", random_.pick(kOtherEvents)}};
            case Kind::command:
                return {{"command", random_.pick(kCommandLines)}};
            case Kind::online:
                return {{"online", !random_.oneIn(4)}};
            case Kind::game:
                return {{"game", !random_.oneIn(5)}};
            case Kind::screen:
                return {{"screen", screen(random_)}};
            case Kind::add: {
                auto p = playerOrNull(random_);
                slots_.push_back(slotOf(p));
                players_.push_back(p);
                return {{"add", p}};
            }
            case Kind::remove: {
                auto index = hasLongName && random_.oneIn(2) ? longNameIndex() : random_.below(slots_.size());
                slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(index));
                if (players_[index].is_object()) departed_.push_back(players_[index]);
                players_.erase(players_.begin() + static_cast<std::ptrdiff_t>(index));
                return {{"remove", index}};
            }
            case Kind::rejoin: {
                auto p = random_.pick(departed_);
                slots_.push_back(slotOf(p));
                players_.push_back(p);
                return {{"add", p}};
            }
            case Kind::update:
                break;
        }
        return {{"update", change()}};
    }

private:
    std::size_t longNameIndex() const {
        return static_cast<std::size_t>(std::find(slots_.begin(), slots_.end(), Slot::longName) -
                                        slots_.begin());
    }

    json change() {
        std::size_t at = 0;
        do {
            at = random_.below(slots_.size());
        } while (slots_[at] == Slot::null);
        json fields = {{"at", at}};
        if (random_.oneIn(3)) fields["team"] = team(random_);
        if (random_.oneIn(3)) fields["score"] = score(random_);
        if (random_.oneIn(5)) {
            setName(fields, playerName(random_), random_);
            slots_[at] = slotOf(fields);
        }
        if (random_.oneIn(8)) fields["id"] = playerId(random_);
        if (random_.oneIn(10)) fields["bot"] = random_.oneIn(2);
        auto& player = players_[at];
        for (const auto& [field, value] : fields.items()) {
            if (field == "at") continue;
            // A name is kept one way only, as the runner's patch replaces it.
            if (field == "name") player.erase("nameHex");
            if (field == "nameHex") player.erase("name");
            player[field] = value;
        }
        return fields;
    }

    RandomSource& random_;
    std::vector<Slot> slots_;
    // The list as the runner will hold it, and players who left, as they were: one who comes
    // back is the same player, with the same id and name.
    json players_;
    std::vector<json> departed_;
    bool loaded_ = false;
};

}  // namespace

json randomScenario(std::uint64_t seed, std::uint64_t steps) {
    RandomSource random(seed);
    json scenario = {{"screen", screen(random)},
                     {"online", !random.oneIn(5)},
                     {"game", !random.oneIn(10)},
                     {"data", "data"}};
    json players = json::array();
    std::vector<Slot> slots;
    auto count = random.below(kMaxInitialPlayers + 1);
    for (std::uint64_t i = 0; i < count; ++i) {
        players.push_back(playerOrNull(random));
        slots.push_back(slotOf(players.back()));
    }
    scenario["players"] = players;

    Steps maker(random, std::move(slots), players);

    json list = json::array();
    for (std::uint64_t i = 0; i < steps; ++i) list.push_back(maker.next());
    scenario["steps"] = list;
    return scenario;
}

}  // namespace soak
