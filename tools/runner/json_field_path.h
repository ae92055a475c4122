#pragma once

#include <cstddef>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace hostrun {

// Where a JSON parser is in the document, followed through its callback, so that a value
// the parser itself refuses (a number too large for a double) can be named by its field.
class JsonFieldPath {
public:
    // Takes one parser event; always keeps the value, as a plain parse does.
    bool follow(nlohmann::json::parse_event_t event, const nlohmann::json& parsed);

    // "players[0].score", as the scenario's messages name fields; empty at the top level.
    std::string text() const;

private:
    struct Level {
        bool array = false;
        std::size_t index = 0;  // of the element being parsed, in an array
        std::string key;        // of the member being parsed, in an object
    };

    void nextElement();

    std::vector<Level> levels_;
};

}  // namespace hostrun
