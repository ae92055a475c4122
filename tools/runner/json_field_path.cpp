#include "json_field_path.h"

namespace hostrun {

bool JsonFieldPath::follow(nlohmann::json::parse_event_t event, const nlohmann::json& parsed) {
    using Event = nlohmann::json::parse_event_t;
    switch (event) {
        case Event::object_start:
            levels_.push_back({false, 0, {}});
            break;
        case Event::array_start:
            levels_.push_back({true, 0, {}});
            break;
        case Event::key:
            levels_.back().key = parsed.get<std::string>();
            break;
        case Event::value:
            nextElement();
            break;
        case Event::object_end:
        case Event::array_end:
            // A finished container is its parent's value; no value event follows it.
            levels_.pop_back();
            nextElement();
            break;
    }
    return true;
}

void JsonFieldPath::nextElement() {
    if (!levels_.empty() && levels_.back().array) ++levels_.back().index;
}

std::string JsonFieldPath::text() const {
    std::string text;
    for (const auto& level : levels_) {
        if (level.array) {
            // Appended piece by piece: GCC 12 at -O2 misreads "[" + string as overlapping copies.
            text += '[';
            text += std::to_string(level.index);
            text += ']';
            continue;
        }
        if (!text.empty()) text += '.';
        text += level.key;
    }
    return text;
}

}  // namespace hostrun
