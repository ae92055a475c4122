// veltrona-host: loads a plugin module as the host does, plays a scripted match and writes
// the call trace, and on request a picture of the last frame.

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>

#include "bad_input.h"
#include "output_paths.h"
#include "paths.h"
#include "runner.h"
#include "scenario.h"
#include "screenshot.h"
#include "utf8_arguments.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kFailed = 1;
constexpr int kBadInput = 2;
constexpr char kProgram[] = "veltrona-host";

struct Options {
    std::string scenario;
    std::string module;
    std::string data;
    std::string trace = "-";
    std::string screenshot;
};

struct Given {
    bool module = false;
    bool data = false;
    bool screenshot = false;
};

// The trace is JSON Lines with "\n" endings on every platform.
void binaryStandardOutput() {
#if defined(_WIN32)
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

// The picture shows images that could not be loaded as red boxes; this names their files,
// the first of them in full.
void reportMissingImages(const hostrun::ScreenshotReport& report) {
    if (report.missing.empty()) return;
    std::cerr << kProgram << ": note: " << report.missing.size() << " of the " << report.imageFiles
              << " glyph image files drawn could not be shown and appear as red boxes";
    if (report.overBudget > 0) {
        std::cerr << " (" << report.overBudget << " of them skipped over the "
                  << hostrun::kDecodedImageBudgetMiB << " MiB budget for decoded images)";
    }
    std::cerr << "; the first is " << report.missing.front() << '\n';
}

int run(const Options& options, Given given) {
    hostrun::checkWorkingFolder();
    auto scenarioFile = pathFromUtf8(options.scenario);
    std::optional<std::filesystem::path> traceFile;
    if (options.trace != "-") traceFile = pathFromUtf8(options.trace);
    std::optional<std::filesystem::path> screenshotFile;
    if (given.screenshot) screenshotFile = pathFromUtf8(options.screenshot);
    hostrun::checkOutputsApart(scenarioFile, traceFile, screenshotFile);

    auto scenario = hostrun::readScenario(scenarioFile);

    auto module = given.module ? pathFromUtf8(options.module)
                               : hostrun::executableDir() / hostrun::moduleFileName("Veltrona");
    // A bare file name means the file in the working folder, not a search of the system's
    // library folders.
    if (!module.has_parent_path()) module = std::filesystem::path(".") / module;
    if (scenario.loads()) {
        // Checked before the first step, so that a bad module stops the run before it starts.
        hostrun::Module check;
        hostrun::openPluginModule(check, module);
    }
    if (screenshotFile) {
        hostrun::checkScreenshotRequest(scenario, options.scenario);
        hostrun::checkScreenshotFile(*screenshotFile);
    }

    std::optional<std::filesystem::path> dataOption;
    if (given.data) dataOption = pathFromUtf8(options.data);
    auto data = hostrun::resolveDataFolder(dataOption, scenarioFile, scenario.data);

    std::ofstream file;
    std::ostream* out = &std::cout;
    if (traceFile) {
        file.open(*traceFile, std::ios::binary);
        if (!file) throw hostrun::BadInput(options.trace + ": cannot write the trace file");
        out = &file;
    } else {
        binaryStandardOutput();
    }

    std::error_code error;
    if (scenario.loads() && !std::filesystem::is_directory(data, error)) {
        std::cerr << kProgram << ": warning: the data folder " << displayText(data)
                  << (std::filesystem::exists(data, error) ? " is a file, not a folder" : " does not exist")
                  << "; every glyph image will be missing\n";
    }

    hostrun::Runner runner(module, data, *out, given.screenshot);
    try {
        runner.run(scenario);
    } catch (const hostrun::BadInput&) {
        throw;
    } catch (const std::exception& e) {
        std::cerr << kProgram << ": " << options.scenario << ": " << e.what() << '\n';
        return kFailed;
    }
    out->flush();
    if (!*out) {
        std::cerr << kProgram << ": " << options.trace << ": cannot write the trace\n";
        return kFailed;
    }
    if (!screenshotFile) return 0;

    try {
        reportMissingImages(hostrun::writeScreenshot(*runner.lastFrame(), *screenshotFile));
    } catch (const hostrun::BadInput&) {
        throw;
    } catch (const std::exception& e) {
        std::cerr << kProgram << ": " << e.what() << '\n';
        return kFailed;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    CLI::App app{
        "Loads a plugin module as the host does, plays a scripted match and writes the call trace "
        "as JSON Lines.",
        kProgram};
    Options options;
    app.add_option("SCENARIO", options.scenario, "The scenario file (JSON)")->required();
    app.add_option("--module", options.module,
                   "The plugin module to load (default: Veltrona beside this program)");
    app.add_option(
        "--data", options.data,
        "The host's data folder (default: the scenario's \"data\" field, else data beside the scenario)");
    app.add_option("--trace", options.trace, "Where the trace goes; - for standard output (the default)");
    app.add_option("--screenshot", options.screenshot,
                   "Also write the last frame drawn as a PNG picture of the screen: the game's two "
                   "scoreboard blocks with the glyph images over them, a red box for each image that could "
                   "not be loaded");

    // A path may start with '/', even on Windows: it is never an option there.
    app.allow_windows_style_options(false);
    app.footer(
        "Exit status: 0 when the scenario ran, 1 when the plugin failed during a step or the trace or "
        "screenshot could not be written, 2 for bad input (the message names the file, and the step "
        "or field).");
    app.failure_message([](const CLI::App*, const CLI::Error& e) {
        return std::string(kProgram) + ": " + e.what() + "; see --help\n";
    });

    auto arguments = utf8Arguments(argc, argv);
    std::reverse(arguments.begin(), arguments.end());  // CLI11 takes them last first
    try {
        app.parse(arguments);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : kBadInput;
    }

    try {
        return run(options, {.module = app.count("--module") > 0,
                             .data = app.count("--data") > 0,
                             .screenshot = app.count("--screenshot") > 0});
    } catch (const hostrun::BadInput& e) {
        std::cerr << kProgram << ": " << e.what() << '\n';
        return kBadInput;
    } catch (const std::exception& e) {
        // Whatever else goes wrong still ends the run with one line, never an abort.
        std::cerr << kProgram << ": " << e.what() << '\n';
        return kFailed;
    }
}
