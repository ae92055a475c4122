// soak_scenario: writes the soak's scenarios for veltrona-host, to replay a failing seed by
// hand or to measure memory over a long open scoreboard.
//
//   soak_scenario random --seed 17 --steps 2000 -o seed17.json
//   soak_scenario lobby --frames 100000 -o lobby.json
//   soak_scenario session --matches 1000 -o session.json

#include <CLI/CLI.hpp>
#include <fstream>
#include <iostream>

#include "lobby_scenario.h"
#include "random_scenario.h"
#include "session_scenario.h"

namespace {

int write(const nlohmann::json& scenario, const std::string& file) {
    auto text = scenario.dump(1);
    if (file == "-") {
        std::cout << text << '\n';
        return 0;
    }
    std::ofstream out(file, std::ios::binary);
    out << text << '\n';
    if (!out) {
        std::cerr << "soak_scenario: " << file << ": cannot write the scenario\n";
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{
        "Writes a scenario for veltrona-host: a seeded random match, a long-open lobby or an "
        "evening of matches.",
        "soak_scenario"};
    app.require_subcommand(1);
    app.fallthrough();  // -o after the subcommand too
    std::string output = "-";
    app.add_option("-o,--output", output, "Where the scenario goes; - for standard output (the default)");

    std::uint64_t seed = 1;
    std::uint64_t steps = 2000;
    auto* random = app.add_subcommand("random", "The soak test's random match of this seed and length");
    random->add_option("--seed", seed, "The seed a soak failure names")->required();
    random->add_option("--steps", steps, "Steps after the initial player list")->capture_default_str();
    random->footer("The match has a \"data\" field: run it beside a folder named data.");

    std::uint64_t frames = 100000;
    auto* lobby =
        app.add_subcommand("lobby", "64 players with 32-character names, scoreboard open for FRAMES");
    lobby->add_option("--frames", frames, "Frames drawn with the scoreboard open")->capture_default_str();

    std::uint64_t matches = 1000;
    auto* session = app.add_subcommand(
        "session", "MATCHES online matches, each with seven new players who join, play and leave");
    session->add_option("--matches", matches, "Matches in the session")->capture_default_str();
    bool text = false;
    session->add_flag("--text", text, "Names set as text (\"Veltrona text\" after the load)");

    CLI11_PARSE(app, argc, argv);
    if (random->parsed()) return write(soak::randomScenario(seed, steps), output);
    if (session->parsed()) {
        return write(
            soak::sessionScenario(matches, text ? soak::SessionNames::text : soak::SessionNames::glyphs),
            output);
    }
    return write(soak::lobbyScenario(frames), output);
}
