// veltrona-host end to end, run as a user runs it: whole traces of small scenarios against
// golden files, and every kind of bad input with its one-line message and status 2.
//
// To write the traces the runner now produces into the golden files instead of comparing,
// run with VELTRONA_UPDATE_GOLDEN=1, then review the difference before committing it.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "module_loader.h"
#include "run_program.h"
#include "scratch_folder.h"
#include "test_files.h"

#if !defined(_WIN32)
#include <sys/stat.h>
#endif

namespace {

namespace fs = std::filesystem;

const fs::path kSource = VELTRONA_SOURCE_DIR;

#if defined(_WIN32)
constexpr char kExecutableSuffix[] = ".exe";
#else
constexpr char kExecutableSuffix[] = "";
#endif

fs::path runner() { return hostrun::executableDir() / (std::string("veltrona-host") + kExecutableSuffix); }

fs::path besideRunner(const std::string& moduleStem) {
    return hostrun::executableDir() / hostrun::moduleFileName(moduleStem);
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) result.push_back(line);
    return result;
}

// Reports the first line that differs, which says more than two walls of text.
void expectSameTrace(const std::string& expected, const std::string& actual, const fs::path& golden) {
    if (expected == actual) return;
    auto want = lines(expected);
    auto got = lines(actual);
    std::size_t i = 0;
    while (i < want.size() && i < got.size() && want[i] == got[i]) ++i;
    ADD_FAILURE() << "trace differs from " << utf8(golden) << " at line " << i + 1
                  << "\n  expected: " << (i < want.size() ? want[i] : "(end)")
                  << "\n  actual:   " << (i < got.size() ? got[i] : "(end)") << "\n(" << want.size()
                  << " lines expected, " << got.size() << " written"
                  << (expected.empty() || expected.back() == '\n' ? "" : "; golden has no final newline")
                  << ")";
}

const std::string kScenarios = "tests/tools/runner/scenarios/";

struct GoldenCase {
    std::string label{};
    std::string scenario{};  // in the source tree
    std::string module{};    // beside the runner; empty: the runner's default
    std::string golden{};    // in the source tree
    std::vector<std::string> options{};
    // The data folder, in the source tree: given with --data, and copied along with the
    // scenario for nonAsciiFolders.
    std::string data = kScenarios + "data";
    bool dataOption = false;
    // Run from a copy in a folder with a non-ASCII name, with the data folder and the trace
    // there too: a Japanese or accented user name in every path on the command line.
    bool nonAsciiFolders = false;
    bool toStandardOutput = false;

    friend void PrintTo(const GoldenCase& c, std::ostream* os) { *os << c.label; }
};

class GoldenTrace : public testing::TestWithParam<GoldenCase> {};

TEST_P(GoldenTrace, MatchesTheGoldenFile) {
    const auto& c = GetParam();
    const ScratchFolder scratchFolder;
    const auto& scratch = scratchFolder.path();
    auto trace = scratch / "trace.jsonl";
    std::vector<std::string> arguments;
    if (c.nonAsciiFolders) {
        auto home = scratch / u8"たなか Zoë";
        fs::create_directories(home);
        fs::copy_file(kSource / c.scenario, home / u8"シナリオ.json");
        fs::copy(kSource / c.data, home / u8"データ", fs::copy_options::recursive);
        trace = home / u8"トレース.jsonl";
        arguments = {utf8(home / u8"シナリオ.json"), "--data", utf8(home / u8"データ")};
    } else if (c.module.empty()) {
        // Veltrona keeps the player's choices and its name images in the data folder: each
        // case gets its own copy, so that cases neither meet nor change the source tree.
        auto data = scratch / "data";
        fs::copy(kSource / c.data, data, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
        arguments = {utf8(kSource / c.scenario), "--data", utf8(data)};
    } else {
        arguments = {utf8(kSource / c.scenario)};
        if (c.dataOption) arguments.insert(arguments.end(), {"--data", utf8(kSource / c.data)});
    }
    if (!c.module.empty()) arguments.insert(arguments.end(), {"--module", utf8(besideRunner(c.module))});
    arguments.insert(arguments.end(), c.options.begin(), c.options.end());
    if (!c.toStandardOutput) arguments.insert(arguments.end(), {"--trace", utf8(trace)});

    auto result = runProgram(runner(), arguments, scratch);
    ASSERT_EQ(result.status, 0) << result.err;
    auto actual = c.toStandardOutput ? result.out : fileText(trace);

    auto golden = kSource / c.golden;
    if (std::getenv("VELTRONA_UPDATE_GOLDEN") != nullptr) {
        writeFile(golden, actual);
        GTEST_SKIP() << "wrote " << utf8(golden);
    }
    expectSameTrace(fileText(golden), actual, golden);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, GoldenTrace,
    testing::Values(
        // The Veltrona module from beside the runner, as a user runs the example.
        // With a file for every glyph of the example, as the default set has: the trace is
        // then the one the example gives a user who ran the preview.
        GoldenCase{.label = "example_match",
                   .scenario = "examples/match.json",
                   .golden = kScenarios + "example_match.trace.jsonl",
                   .data = kScenarios + "example_data",
                   .dataOption = true},
        GoldenCase{.label = "example_match_non_ascii_folders",
                   .scenario = "examples/match.json",
                   .golden = kScenarios + "example_match.trace.jsonl",
                   .data = kScenarios + "example_data",
                   .nonAsciiFolders = true},
        // Players join, leave and change team between openings; unloaded while open.
        GoldenCase{.label = "veltrona_roster_changes",
                   .scenario = kScenarios + "veltrona_roster_changes.json",
                   .golden = kScenarios + "veltrona_roster_changes.trace.jsonl"},
        GoldenCase{.label = "veltrona_offline_start",
                   .scenario = kScenarios + "veltrona_offline_start.json",
                   .golden = kScenarios + "veltrona_offline_start.trace.jsonl"},
        // Accented letters whose stem an ASCII letter shares: their own file where the set
        // has one as a regular file (or a link to one), else the shared file.
        GoldenCase{.label = "veltrona_own_glyph_files",
                   .scenario = kScenarios + "veltrona_own_glyph_files.json",
                   .golden = kScenarios + "veltrona_own_glyph_files.trace.jsonl",
                   .data = kScenarios + "own_files_data"},
        // The layout word: scaled on three screens, an unknown word, back to fixed, and a
        // new load that starts fixed.
        GoldenCase{.label = "veltrona_scaled_layout",
                   .scenario = kScenarios + "veltrona_scaled_layout.json",
                   .golden = kScenarios + "veltrona_scaled_layout.trace.jsonl"},
        // Switched on by the command in a running match: the roster is built at once.
        GoldenCase{.label = "veltrona_switched_on_mid_match",
                   .scenario = kScenarios + "veltrona_switched_on_mid_match.json",
                   .golden = kScenarios + "veltrona_switched_on_mid_match.trace.jsonl"},
        // A player joins team zero while the scoreboard is open: the rows are ordered at once.
        GoldenCase{.label = "veltrona_team_change_while_open",
                   .scenario = kScenarios + "veltrona_team_change_while_open.json",
                   .golden = kScenarios + "veltrona_team_change_while_open.trace.jsonl"},
        // A player renamed under the same id is drawn by the new name.
        GoldenCase{.label = "veltrona_renamed_player",
                   .scenario = kScenarios + "veltrona_renamed_player.json",
                   .golden = kScenarios + "veltrona_renamed_player.trace.jsonl"},
        // The match ends under an open scoreboard: no drawing without a game.
        GoldenCase{.label = "veltrona_no_game_under_open_scoreboard",
                   .scenario = kScenarios + "veltrona_no_game_under_open_scoreboard.json",
                   .golden = kScenarios + "veltrona_no_game_under_open_scoreboard.trace.jsonl"},
        // Each file loads once while held; a player who leaves and comes back loads again.
        GoldenCase{.label = "veltrona_shared_images",
                   .scenario = kScenarios + "veltrona_shared_images.json",
                   .golden = kScenarios + "veltrona_shared_images.trace.jsonl"},
        // A match that ends under the open scoreboard, then a new one: nothing drawn over
        // play, and the next opening prunes and rescores.
        GoldenCase{.label = "veltrona_match_end_then_new_match",
                   .scenario = kScenarios + "veltrona_match_end_then_new_match.json",
                   .golden = kScenarios + "veltrona_match_end_then_new_match.trace.jsonl"},
        // Names longer than the screen, cut at its edge on three screens and both layouts.
        GoldenCase{.label = "veltrona_long_names",
                   .scenario = kScenarios + "veltrona_long_names.json",
                   .golden = kScenarios + "veltrona_long_names.trace.jsonl"},
        // Two bots of one name, one leaves: the other keeps its row, its glyphs and its score.
        GoldenCase{.label = "veltrona_duplicate_bots_leaving",
                   .scenario = kScenarios + "veltrona_duplicate_bots_leaving.json",
                   .golden = kScenarios + "veltrona_duplicate_bots_leaving.trace.jsonl"},
        // A rename hidden behind zero-width padding shows; an added zero-width one loads nothing.
        GoldenCase{.label = "veltrona_zero_width_rename",
                   .scenario = kScenarios + "veltrona_zero_width_rename.json",
                   .golden = kScenarios + "veltrona_zero_width_rename.trace.jsonl"},
        // What the console answers to each word, offline and online.
        GoldenCase{.label = "veltrona_console_answers",
                   .scenario = kScenarios + "veltrona_console_answers.json",
                   .golden = kScenarios + "veltrona_console_answers.trace.jsonl"},
        // Names without glyph files: 16 lines a match, then one for the rest.
        GoldenCase{.label = "veltrona_missing_glyphs",
                   .scenario = kScenarios + "veltrona_missing_glyphs.json",
                   .golden = kScenarios + "veltrona_missing_glyphs.trace.jsonl"},
        // Names set as text: switched to mid-match, waited for, a rename, both layouts and a
        // new screen, back to glyph files, and a new load that starts as the last one ended.
        GoldenCase{.label = "veltrona_text_names",
                   .scenario = kScenarios + "veltrona_text_names.json",
                   .golden = kScenarios + "veltrona_text_names.trace.jsonl",
                   .data = kScenarios + "text_data"},
        // The game closes with names still being set: the runner lets the plugin and its
        // worker go without waiting inside the system's unloading of the module.
        GoldenCase{.label = "veltrona_text_left_loaded",
                   .scenario = kScenarios + "veltrona_text_left_loaded.json",
                   .golden = kScenarios + "veltrona_text_left_loaded.trace.jsonl",
                   .data = kScenarios + "text_data"},
        // A damaged choices file, then text chosen with no font to be had: glyph files draw.
        GoldenCase{.label = "veltrona_text_without_fonts",
                   .scenario = kScenarios + "veltrona_text_without_fonts.json",
                   .golden = kScenarios + "veltrona_text_without_fonts.trace.jsonl",
                   .data = kScenarios + "nofont_data"},
        // The probe: every kind of trace line, and what the host does around them.
        GoldenCase{.label = "probe_calls",
                   .scenario = kScenarios + "probe_calls.json",
                   .module = "probe_plugin",
                   .golden = kScenarios + "probe_calls.trace.jsonl"},
        GoldenCase{.label = "probe_calls_non_ascii_folders",
                   .scenario = kScenarios + "probe_calls.json",
                   .module = "probe_plugin",
                   .golden = kScenarios + "probe_calls.trace.jsonl",
                   .nonAsciiFolders = true},
        GoldenCase{.label = "probe_unload_leftovers",
                   .scenario = kScenarios + "probe_unload_leftovers.json",
                   .module = "probe_plugin",
                   .golden = kScenarios + "probe_unload_leftovers.trace.jsonl"},
        GoldenCase{.label = "probe_world_changes_to_standard_output",
                   .scenario = kScenarios + "probe_world_changes.json",
                   .module = "probe_plugin",
                   .golden = kScenarios + "probe_world_changes.trace.jsonl",
                   .toStandardOutput = true},
        GoldenCase{.label = "probe_data_field",
                   .scenario = kScenarios + "probe_data_field.json",
                   .module = "probe_plugin",
                   .golden = kScenarios + "probe_data_field.trace.jsonl"},
        GoldenCase{.label = "probe_data_option_beats_data_field",
                   .scenario = kScenarios + "probe_data_field.json",
                   .module = "probe_plugin",
                   .golden = kScenarios + "probe_data_option.trace.jsonl",
                   .options = {"--data", utf8(kSource / kScenarios / "data")}}),
    [](const testing::TestParamInfo<GoldenCase>& info) { return info.param.label; });

// Tokens in a case's arguments and message: {scenario} is the case's scenario file,
// {scratch} its folder, {module:NAME} a module built beside the runner.
std::string expand(std::string text, const fs::path& scratch) {
    auto replace = [&](const std::string& token, const std::string& value) {
        for (auto at = text.find(token); at != std::string::npos; at = text.find(token, at + value.size())) {
            text.replace(at, token.size(), value);
        }
    };
    replace("{scenario}", utf8(scratch / "bad.json"));
    replace("{scratch}", utf8(scratch));
    const std::string module = "{module:";
    for (auto at = text.find(module); at != std::string::npos; at = text.find(module)) {
        auto end = text.find('}', at);
        auto stem = text.substr(at + module.size(), end - at - module.size());
        text.replace(at, end + 1 - at, utf8(besideRunner(stem)));
    }
    return text;
}

struct BadInputCase {
    std::string label;
    std::optional<std::string> scenario;  // written to {scenario}; none: no file
    std::vector<std::string> arguments;
    // The message after "veltrona-host: ". Where the system's own words follow (why a
    // module would not load), the message is checked up to them.
    std::string message;
    // Makes what the case needs in its folder besides the scenario text.
    void (*prepare)(const fs::path& scratch) = nullptr;

    friend void PrintTo(const BadInputCase& c, std::ostream* os) { *os << c.label; }
};

class BadInput : public testing::TestWithParam<BadInputCase> {};

TEST_P(BadInput, IsRefusedWithOneLineNamingItAndStatus2) {
    const auto& c = GetParam();
    const ScratchFolder scratchFolder;
    const auto& scratch = scratchFolder.path();
    if (c.scenario) writeFile(scratch / "bad.json", *c.scenario);
    if (c.prepare) c.prepare(scratch);
    std::vector<std::string> arguments;
    for (const auto& argument : c.arguments) arguments.push_back(expand(argument, scratch));

    auto result = runProgram(runner(), arguments, scratch);
    EXPECT_EQ(result.status, 2);
    auto message = result.err;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) message.pop_back();
    EXPECT_EQ(message.find('\n'), std::string::npos) << "more than one line:\n" << message;
    auto expected = "veltrona-host: " + expand(c.message, scratch);
    EXPECT_EQ(message.substr(0, expected.size()), expected);
    EXPECT_EQ(result.out, "") << "nothing may run before the input is known to be good";
    if (c.scenario) {
        EXPECT_EQ(fileText(scratch / "bad.json"), *c.scenario) << "the scenario was overwritten";
    }
}

const std::string kLoad = R"({"steps": ["load"]})";
const std::string kFrame = R"({"steps": [{"frames": 1}]})";

std::string withPlayer(const std::string& fields) {
    return R"({"players": [{"id": "p-1", "name": "Amy", "team": 0, "score": 1)" + fields +
           "}], \"steps\": []}";
}

INSTANTIATE_TEST_SUITE_P(
    Table, BadInput,
    testing::Values(
        // The command line.
        BadInputCase{"no_scenario_argument", std::nullopt, {}, "SCENARIO is required; see --help"},
        BadInputCase{"unknown_option",
                     kLoad,
                     {"{scenario}", "--frames", "3"},
                     "The following arguments were not expected: 3 --frames; see --help"},
        // The scenario file as a whole.
        BadInputCase{"missing_file", std::nullopt, {"{scenario}"}, "{scenario}: no such scenario file"},
        BadInputCase{"folder", std::nullopt, {"{scratch}"}, "{scratch}: is a folder, not a scenario file"},
        BadInputCase{"file_past_the_size_bound",
                     std::nullopt,
                     {"{scenario}"},
                     "{scenario}: is 67108865 bytes; a scenario file is at most 67108864",
                     [](const fs::path& scratch) {
                         writeFile(scratch / "bad.json", kLoad);
                         fs::resize_file(scratch / "bad.json", (std::uintmax_t{64} << 20) + 1);
                     }},
        BadInputCase{
            "malformed_json",
            R"({"steps": ["load",)",
            {"{scenario}"},
            "{scenario}: malformed JSON: parse error at line 1, column 19: syntax error while parsing "
            "value - unexpected end of input; expected '[', '{', or a literal"},
        BadInputCase{
            "not_an_object", "[]", {"{scenario}"}, "{scenario}: a scenario is a JSON object, not an array"},
        BadInputCase{"unknown_field",
                     R"({"steps": [], "step": []})",
                     {"{scenario}"},
                     "{scenario}: unknown field \"step\"; a scenario has \"screen\", \"online\", \"game\", "
                     "\"data\", \"players\" and \"steps\""},
        BadInputCase{
            "no_steps", "{}", {"{scenario}"}, "{scenario}: missing \"steps\", the list of what happens"},
        BadInputCase{"steps_not_a_list",
                     R"({"steps": "load"})",
                     {"{scenario}"},
                     "{scenario}: steps: must be an array of steps, not \"load\""},
        // Top-level fields.
        BadInputCase{"online_not_a_boolean",
                     R"({"online": "yes", "steps": []})",
                     {"{scenario}"},
                     "{scenario}: online: must be true or false, not \"yes\""},
        BadInputCase{"screen_one_number",
                     R"({"screen": [1920], "steps": []})",
                     {"{scenario}"},
                     "{scenario}: screen: must be [width, height], not an array"},
        BadInputCase{"screen_negative",
                     R"({"screen": [1920, -1], "steps": []})",
                     {"{scenario}"},
                     "{scenario}: screen[1]: must be a whole number from 0 to 2147483647, not -1"},
        BadInputCase{"data_not_text",
                     R"({"data": 5, "steps": []})",
                     {"{scenario}"},
                     "{scenario}: data: must be a string, not 5"},
        // Players.
        BadInputCase{"player_not_an_object",
                     R"({"players": [5], "steps": []})",
                     {"{scenario}"},
                     "{scenario}: players[0]: a player is an object or null, not 5"},
        BadInputCase{"player_without_id",
                     R"({"players": [{"name": "A", "team": 0, "score": 0}], "steps": []})",
                     {"{scenario}"},
                     "{scenario}: players[0]: missing \"id\""},
        BadInputCase{"player_without_name",
                     R"({"players": [{"id": "p", "team": 0, "score": 0}], "steps": []})",
                     {"{scenario}"},
                     "{scenario}: players[0]: missing \"name\" or \"nameHex\""},
        BadInputCase{"player_unknown_field",
                     withPlayer(R"(, "colour": "red")"),
                     {"{scenario}"},
                     "{scenario}: players[0]: unknown field \"colour\"; a player has \"id\", \"name\" or "
                     "\"nameHex\", \"team\", \"score\" and \"bot\""},
        BadInputCase{"name_and_name_hex",
                     withPlayer(R"(, "nameHex": "41")"),
                     {"{scenario}"},
                     "{scenario}: players[0]: give \"name\" or \"nameHex\", not both"},
        BadInputCase{"team_above_255",
                     R"({"players": [{"id": "p", "name": "A", "team": 256, "score": 0}], "steps": []})",
                     {"{scenario}"},
                     "{scenario}: players[0].team: must be a whole number from 0 to 255, not 256"},
        BadInputCase{"team_negative",
                     R"({"players": [{"id": "p", "name": "A", "team": -1, "score": 0}], "steps": []})",
                     {"{scenario}"},
                     "{scenario}: players[0].team: must be a whole number from 0 to 255, not -1"},
        BadInputCase{
            "score_past_32_bits",
            R"({"players": [{"id": "p", "name": "A", "team": 0, "score": 2147483648}], "steps": []})",
            {"{scenario}"},
            "{scenario}: players[0].score: must be a whole number from -2147483648 to 2147483647, not "
            "2147483648"},
        // Past the range of a double: the parser refuses it, named by its field.
        BadInputCase{"score_past_any_number",
                     R"({"players": [{"id": "p", "name": "A", "team": 0, "score": 1e400}], "steps": []})",
                     {"{scenario}"},
                     "{scenario}: players[0].score: the number 1e400 is too large to be read"},
        BadInputCase{"frames_past_any_number",
                     R"({"steps": ["load", {"fire": "E"}, {"frames": -1e999}]})",
                     {"{scenario}"},
                     "{scenario}: steps[2].frames: the number -1e999 is too large to be read"},
        BadInputCase{
            "score_fraction",
            R"({"players": [{"id": "p", "name": "A", "team": 0, "score": 1.5}], "steps": []})",
            {"{scenario}"},
            "{scenario}: players[0].score: must be a whole number from -2147483648 to 2147483647, not 1.5"},
        BadInputCase{"bot_not_a_boolean",
                     withPlayer(R"(, "bot": 1)"),
                     {"{scenario}"},
                     "{scenario}: players[0].bot: must be true or false, not 1"},
        BadInputCase{
            "name_hex_odd_digit",
            R"({"players": [{"id": "p", "nameHex": "e3 8", "team": 0, "score": 0}], "steps": []})",
            {"{scenario}"},
            "{scenario}: players[0].nameHex: bad hexadecimal at character 4 of \"e3 8\": give pairs of "
            "digits 0-9 a-f, with spaces only between pairs"},
        BadInputCase{
            "name_hex_not_hex",
            R"({"players": [{"id": "p", "nameHex": "41 zz", "team": 0, "score": 0}], "steps": []})",
            {"{scenario}"},
            "{scenario}: players[0].nameHex: bad hexadecimal at character 4 of \"41 zz\": give pairs of "
            "digits 0-9 a-f, with spaces only between pairs"},
        // Steps.
        BadInputCase{
            "unknown_step_name",
            R"({"steps": ["load", "reload"]})",
            {"{scenario}"},
            "{scenario}: steps[1]: unknown step \"reload\"; a step is \"load\", \"unload\", \"wait\" or an "
            "object "
            "with one key: \"fire\", \"frames\", \"command\", \"online\", \"game\", \"screen\", \"add\", "
            "\"remove\" or \"update\""},
        BadInputCase{"wait_before_load",
                     R"({"steps": ["wait"]})",
                     {"{scenario}"},
                     "{scenario}: steps[0]: \"wait\" while the module is not loaded"},
        BadInputCase{"unknown_step_key",
                     R"({"steps": [{"jump": 1}]})",
                     {"{scenario}"},
                     "{scenario}: steps[0].jump: unknown step \"jump\"; a step is"},
        BadInputCase{"step_of_two_keys",
                     R"({"steps": [{"frames": 1, "fire": "E"}]})",
                     {"{scenario}"},
                     "{scenario}: steps[0]: a step object has exactly one key, this one has 2"},
        BadInputCase{
            "step_a_number",
            R"({"steps": [3]})",
            {"{scenario}"},
            "{scenario}: steps[0]: a step is \"load\", \"unload\", \"wait\" or an object with one key"},
        BadInputCase{"frames_negative",
                     R"({"steps": [{"frames": -1}]})",
                     {"{scenario}"},
                     "{scenario}: steps[0].frames: must be a whole number 0 or more, not -1"},
        BadInputCase{"fire_without_a_name",
                     R"({"steps": [{"fire": null}]})",
                     {"{scenario}"},
                     "{scenario}: steps[0].fire: must be a string, not null"},
        BadInputCase{"add_team_above_255",
                     R"({"steps": [{"add": {"id": "p", "name": "A", "team": 300, "score": 0}}]})",
                     {"{scenario}"},
                     "{scenario}: steps[0].add.team: must be a whole number from 0 to 255, not 300"},
        BadInputCase{"remove_past_the_end",
                     R"({"players": [null], "steps": [{"remove": 1}]})",
                     {"{scenario}"},
                     "{scenario}: steps[0].remove: index 1 is past the end of the player list, which has 1 "
                     "elements at this step"},
        BadInputCase{"remove_past_the_end_after_a_remove",
                     R"({"players": [null, null], "steps": [{"remove": 0}, {"remove": 1}]})",
                     {"{scenario}"},
                     "{scenario}: steps[1].remove: index 1 is past the end of the player list, which has 1 "
                     "elements at this step"},
        BadInputCase{
            "update_past_the_end",
            R"({"players": [null], "steps": [{"add": null}, {"update": {"at": 2, "score": 1}}]})",
            {"{scenario}"},
            "{scenario}: steps[1].update.at: index 2 is past the end of the player list, which has 2 "
            "elements at this step"},
        BadInputCase{
            "update_of_a_null_element",
            R"({"players": [null], "steps": [{"update": {"at": 0, "score": 1}}]})",
            {"{scenario}"},
            "{scenario}: steps[0].update.at: element 0 of the player list is null at this step; only a "
            "player can be updated"},
        BadInputCase{
            "update_of_an_added_null",
            R"({"steps": [{"add": null}, {"update": {"at": 0, "team": 1}}]})",
            {"{scenario}"},
            "{scenario}: steps[1].update.at: element 0 of the player list is null at this step; only a "
            "player can be updated"},
        BadInputCase{"update_without_at",
                     R"({"players": [null], "steps": [{"update": {"score": 1}}]})",
                     {"{scenario}"},
                     "{scenario}: steps[0].update: missing \"at\", the index of the player to change"},
        BadInputCase{
            "update_bad_name_hex",
            R"({"steps": [{"add": {"id": "p", "name": "A", "team": 0, "score": 0}}, {"update": {"at": 0, "nameHex": "4"}}]})",
            {"{scenario}"},
            "{scenario}: steps[1].update.nameHex: bad hexadecimal at character 1 of \"4\""},
        BadInputCase{"second_load",
                     R"({"steps": ["load", {"frames": 1}, "load"]})",
                     {"{scenario}"},
                     "{scenario}: steps[2]: \"load\" while the module is already loaded"},
        BadInputCase{"unload_first",
                     R"({"steps": ["unload"]})",
                     {"{scenario}"},
                     "{scenario}: steps[0]: \"unload\" while the module is not loaded"},
        BadInputCase{"unload_twice",
                     R"({"steps": ["load", "unload", "unload"]})",
                     {"{scenario}"},
                     "{scenario}: steps[2]: \"unload\" while the module is not loaded"},
        // The module, checked before the first step.
        BadInputCase{"module_missing",
                     kLoad,
                     {"{scenario}", "--module", "{scratch}/Missing.module"},
                     "{scratch}/Missing.module: cannot load the module: "},
        BadInputCase{"module_not_a_module",
                     kLoad,
                     {"{scenario}", "--module", "{scenario}"},
                     "{scenario}: cannot load the module: "},
        BadInputCase{"module_without_exports",
                     kLoad,
                     {"{scenario}", "--module", "{module:without_exports}"},
                     "{module:without_exports}: the module does not export \"exports\""},
        BadInputCase{"module_without_get_plugin",
                     kLoad,
                     {"{scenario}", "--module", "{module:without_get_plugin}"},
                     "{module:without_get_plugin}: the module does not export \"getPlugin\""},
        BadInputCase{"module_without_delete_me",
                     kLoad,
                     {"{scenario}", "--module", "{module:without_delete_me}"},
                     "{module:without_delete_me}: the module does not export \"deleteMe\""},
        BadInputCase{"module_for_interface_94",
                     kLoad,
                     {"{scenario}", "--module", "{module:interface_94}"},
                     "{module:interface_94}: the module's interface number is 94, the host's is 95"},
        // Where the trace and the picture go: neither over the scenario, nor both to one file,
        // however the paths are spelt.
        BadInputCase{"trace_in_a_missing_folder",
                     kLoad,
                     {"{scenario}", "--trace", "{scratch}/missing/trace.jsonl"},
                     "{scratch}/missing/trace.jsonl: cannot write the trace file"},
        BadInputCase{
            "trace_is_the_scenario",
            kLoad,
            {"{scenario}", "--trace", "{scratch}/./bad.json"},
            "{scratch}/./bad.json: --trace names the scenario file, which the trace would overwrite; "
            "give it a file of its own"},
        BadInputCase{"screenshot_is_the_scenario",
                     kFrame,
                     {"{scenario}", "--screenshot", "{scenario}"},
                     "{scenario}: --screenshot names the scenario file, which the picture would overwrite; "
                     "give it a file of its own"},
        BadInputCase{"trace_and_screenshot_one_file_yet_to_be",
                     kFrame,
                     {"{scenario}", "--trace", "{scratch}/out", "--screenshot", "{scratch}/sub/../out"},
                     "{scratch}/sub/../out: --trace and --screenshot name the same file; give each a file of "
                     "its own"}),
    [](const testing::TestParamInfo<BadInputCase>& info) { return info.param.label; });

#if !defined(_WIN32)
// Files that are not plain files: refused before they are opened, as a named pipe would
// block the run and a device never end.
INSTANTIATE_TEST_SUITE_P(
    SpecialFiles, BadInput,
    testing::Values(
        BadInputCase{
            "scenario_a_named_pipe",
            std::nullopt,
            {"{scenario}"},
            "{scenario}: is a named pipe, not a scenario file",
            [](const fs::path& scratch) { ASSERT_EQ(mkfifo((scratch / "bad.json").c_str(), 0600), 0); }},
        BadInputCase{"scenario_a_link_to_an_endless_device",
                     std::nullopt,
                     {"{scenario}"},
                     "{scenario}: is a device, not a scenario file",
                     [](const fs::path& scratch) { fs::create_symlink("/dev/zero", scratch / "bad.json"); }},
        BadInputCase{"trace_through_a_link_to_the_scenario",
                     kLoad,
                     {"{scenario}", "--trace", "{scratch}/link.json"},
                     "{scratch}/link.json: --trace names the scenario file",
                     [](const fs::path& scratch) { fs::create_symlink("bad.json", scratch / "link.json"); }}),
    [](const testing::TestParamInfo<BadInputCase>& info) { return info.param.label; });

// A shell may stay in a folder that has since been removed: relative paths name nothing.
TEST(WorkingFolder, RemovedUnderTheShellIsBadInput) {
    const ScratchFolder scratchFolder;
    const auto& scratch = scratchFolder.path();
    writeFile(scratch / "bad.json", kLoad);
    const auto home = fs::current_path();
    fs::create_directory(scratch / "gone");
    fs::current_path(scratch / "gone");
    fs::remove(scratch / "gone");
    auto result = runProgram(runner(), {utf8(scratch / "bad.json"), "--data", "data"}, scratch);
    fs::current_path(home);

    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.err.starts_with("veltrona-host: the working folder cannot be found")) << result.err;
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_EQ(result.out, "");
}
#endif

// A data folder that cannot hold glyph images is warned about, not refused: a scenario may
// well run without images.
struct DataFolderCase {
    std::string label;
    std::string data;
    std::string warning;  // after "veltrona-host: warning: the data folder "

    friend void PrintTo(const DataFolderCase& c, std::ostream* os) { *os << c.label; }
};

class DataFolderWarning : public testing::TestWithParam<DataFolderCase> {};

TEST_P(DataFolderWarning, SaysWhatIsWrongAndRunsOn) {
    const auto& c = GetParam();
    const ScratchFolder scratchFolder;
    const auto& scratch = scratchFolder.path();
    writeFile(scratch / "bad.json", kLoad);
    auto result =
        runProgram(runner(), {expand("{scenario}", scratch), "--data", expand(c.data, scratch)}, scratch);
    EXPECT_EQ(result.status, 0) << result.err;
    // The folder as the platform writes it (backslashes on Windows), and one line.
    const std::string start = "veltrona-host: warning: the data folder ";
    const std::string end = c.warning + "; every glyph image will be missing";
    auto text = result.err;
    std::erase(text, '\r');
    ASSERT_TRUE(text.starts_with(start)) << text;
    ASSERT_TRUE(text.ends_with(end + "\n")) << text;
    auto folder = text.substr(start.size(), text.size() - start.size() - end.size() - 1);
    EXPECT_EQ(fs::path(folder).filename(), fs::path(expand(c.data, scratch)).filename()) << text;
}

INSTANTIATE_TEST_SUITE_P(Table, DataFolderWarning,
                         testing::Values(DataFolderCase{"missing", "{scratch}/none", " does not exist"},
                                         DataFolderCase{"a_file", "{scenario}", " is a file, not a folder"}),
                         [](const testing::TestParamInfo<DataFolderCase>& info) { return info.param.label; });

}  // namespace
