#include "cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>
#include <thread>

#include "build_command.h"
#include "char_sets.h"
#include "check_command.h"
#include "default_fonts.h"
#include "default_set.h"
#include "more_fonts.h"
#include "path_text.h"
#include "png_error.h"
#include "system_fonts.h"
#include "text_command.h"
#include "tool_error.h"

namespace {

constexpr char kProgram[] = "veltrona-glyphs";
constexpr unsigned kMaxThreads = 64;

std::string setList() {
    std::string text = "Character sets:\n";
    for (const auto& set : characterSets()) {
        text += "  " + std::string(set.name) +
                std::string(16 - std::min<std::size_t>(set.name.size(), 15), ' ') +
                std::string(set.description) + "\n";
    }
    return text;
}

std::vector<std::string> setNames() {
    std::vector<std::string> names;
    for (const auto& set : characterSets()) names.emplace_back(set.name);
    return names;
}

// "a, b and c", for messages.
std::string listed(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

// CLI11's own path checks read a path in the ANSI code page on Windows, which cannot name
// every folder (C:\Users\太郎); these read it as UTF-8, as the commands do.
CLI::Validator existingFolder() {
    return {[](std::string& text) -> std::string {
                std::error_code error;
                const auto type = std::filesystem::status(pathFromUtf8(text), error).type();
                if (type == std::filesystem::file_type::directory) return {};
                if (type == std::filesystem::file_type::not_found || error)
                    return "Directory does not exist: " + text;
                return "Directory is actually a file: " + text;
            },
            "DIR"};
}

CLI::Validator existingFile() {
    return {[](std::string& text) -> std::string {
                std::error_code error;
                const auto type = std::filesystem::status(pathFromUtf8(text), error).type();
                if (type == std::filesystem::file_type::not_found || error)
                    return "File does not exist: " + text;
                if (type == std::filesystem::file_type::directory)
                    return "File is actually a directory: " + text;
                return {};
            },
            "FILE"};
}

std::string defaultFontsHelp() {
    const auto chain = defaultFontChain();
    std::vector<std::string> files;
    for (const auto& font : chain.fonts) files.emplace_back(font.file);
    return "Without --font, the first of these in " + displayText(chain.folder) + " draws and the others " +
           "fall back: " + listed(files);
}

std::string validateRange(const std::string& text) {
    try {
        parseCodeRange(text);
        return {};
    } catch (const ToolError& e) {
        return e.what();
    }
}

struct BuildArguments {
    std::string dataFolder;
    std::string fontPath;
    bool fontGiven = false;
    long faceIndex = 0;
    std::vector<std::string> fallbacks;
    std::vector<std::string> sets;
    std::vector<std::string> ranges;
    std::string namesFile;
    bool onlyMissing = false;
    unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, kMaxThreads);
};

struct TextArguments {
    std::vector<std::string> names;
    std::string namesFile;
    std::string output;
    std::string fontPath;
    long faceIndex = 0;
    std::vector<std::string> fallbacks;
    int size = kDefaultTextSize;
};

struct CheckArguments {
    std::string dataFolder;
    std::string namesFile;
    std::vector<std::string> names;
    std::optional<double> atLeast;
};

CLI::App* addBuild(CLI::App& app, BuildArguments& args) {
    auto* build = app.add_subcommand("build", "Render glyph images from a font into DATA/assets/png.");
    build->add_option("-d,--data", args.dataFolder, "The host's data folder; images go to DATA/assets/png")
        ->required()
        ->check(existingFolder());
    build->add_option("-f,--font", args.fontPath, "Font file: TTF, OTF or TTC. " + defaultFontsHelp());
    build->add_option("--face", args.faceIndex, "Face of a TTC collection, from 0, of the main font")
        ->capture_default_str()
        ->check(CLI::NonNegativeNumber);
    build
        ->add_option("--fallback", args.fallbacks,
                     "Fonts for the characters the main font lacks, tried in order; drawn at the main "
                     "font's size and baseline. Emoji come from the first colour font that has them")
        ->check(existingFile());
    build->add_option("-s,--set", args.sets, "Character sets, combinable: --set ascii,latin")
        ->delimiter(',')
        ->check(CLI::IsMember(setNames()));
    build->add_option("-c,--chars", args.ranges, "Code points and ranges: --chars U+3042,U+30A0-U+30FF")
        ->delimiter(',')
        ->check(CLI::Validator(validateRange, "U+HEX[-U+HEX]"));
    build
        ->add_option("-n,--names", args.namesFile,
                     "UTF-8 names file, one name a line: draws exactly the characters of those names")
        ->check(existingFile());
    build->add_flag("--missing", args.onlyMissing,
                    "Draw only the characters whose files are not there yet; the others stay as they are");
    build->add_option("-j,--jobs", args.threads, "Threads to draw with")
        ->capture_default_str()
        ->check(CLI::Range(1u, kMaxThreads));
    build->footer(setList() + "Without --set, --chars or --names the default set is drawn: " +
                  std::string(kDefaultSetDescription) + ".");
    return build;
}

CLI::App* addText(CLI::App& app, TextArguments& args) {
    auto* text =
        app.add_subcommand("text", "Set names as text, each as one image, to see how they will look.");
    text->add_option("names", args.names, "Names to set (UTF-8)");
    text->add_option("-n,--names", args.namesFile, "Names file, one name a line")->check(existingFile());
    text->add_option("-o,--output", args.output,
                     "The PNG file for one name; a folder for several, which takes one numbered file a name")
        ->required();
    text->add_option("--size", args.size, "Height of the images in pixels (the 1080p layout's row height)")
        ->capture_default_str()
        ->check(CLI::Range(8, 1024));
    text->add_option("-f,--font", args.fontPath, "Font file: TTF, OTF or TTC. " + defaultFontsHelp());
    text->add_option("--face", args.faceIndex, "Face of a TTC collection, from 0, of the main font")
        ->check(CLI::NonNegativeNumber);
    text->add_option("--fallback", args.fallbacks, "Fonts for what the main font lacks, tried in order")
        ->check(existingFile());
    return text;
}

void addCheck(CLI::App& app, CheckArguments& args) {
    auto* check = app.add_subcommand(
        "check",
        "List the glyph files the plugin will load for each name and which are missing, and end with the "
        "build command that draws them. Exit 1 if any is missing, or if the glyph folder (DATA/assets/png) "
        "is not there or holds no PNG file.");
    check->add_option("-d,--data", args.dataFolder, "The host's data folder")
        ->required()
        ->check(existingFolder());
    check->add_option("-n,--names", args.namesFile, "Names file, one name a line")->check(existingFile());
    check->add_option("names", args.names, "Names to check");
    check
        ->add_option("--at-least", args.atLeast,
                     "Succeed when at least PERCENT % of the names are drawn whole, even with files missing")
        ->check(CLI::Range(0.0, 100.0));
}

// Without --font, the system's default chain: its first font present draws, and the others
// present fall back unless --fallback names fallbacks of its own. `lacking` says what becomes
// of the characters only a missing font has. With none of the chain installed (Wine, a
// stripped system), `systemMainFont` lets the machine's own main font draw instead.
void useDefaultFonts(FontSource& font, std::vector<FontSource>& fallbacks, bool fallbacksGiven,
                     const char* command, const char* lacking, bool systemMainFont, std::ostream& err) {
    const auto chain = defaultFontChain();
    auto choice = findDefaultFonts(chain);
    if (choice.installed.empty() && systemMainFont) {
        if (auto main = SystemFonts().mainFont()) {
            err << kProgram << " " << command
                << ": none of the default fonts is installed; drawing with the system's font "
                << quoted(main->path) << "\n";
            font = *main;
            return;
        }
    }
    if (choice.installed.empty()) {
        std::vector<std::string> files;
        for (const auto& font : chain.fonts) files.emplace_back(font.file);
        throw BadInput("none of the default fonts is in " + quoted(chain.folder) + " (" + listed(files) +
                       "); name a font file with --font");
    }
    std::vector<std::string> used;
    for (const auto& font : choice.installed) used.push_back(displayText(font.path.filename()));
    err << kProgram << " " << command << ": drawing with the default fonts in " << displayText(chain.folder)
        << ": " << listed(used) << "\n";
    for (const auto& missing : choice.missing) {
        err << kProgram << " " << command << ": the default font "
            << quoted(chain.folder / pathFromUtf8(missing.file)) << " is not installed (" << missing.name
            << "); " << lacking << "\n";
    }
    font = {choice.installed.front().path, font.faceIndex};
    if (!fallbacksGiven) fallbacks.assign(choice.installed.begin() + 1, choice.installed.end());
}

// The default set is every character the fonts draw: the machine's other fonts of the
// chain's kind draw, after the chain, what it lacks.
void addMoreDefaultFonts(std::vector<FontSource>& fallbacks, const FontSource& font, std::ostream& err) {
    std::vector<FontSource> chain{font};
    chain.insert(chain.end(), fallbacks.begin(), fallbacks.end());
    const auto more = moreDefaultFonts(chain);
    if (more.empty()) return;
    err << kProgram << " build: and for the characters they lack, " << more.size() << " more fonts in "
        << displayText(more.front().path.parent_path()) << "\n";
    fallbacks.insert(fallbacks.end(), more.begin(), more.end());
}

BuildOptions buildOptions(const BuildArguments& args, bool progressBar, std::ostream& err) {
    BuildOptions options;
    options.dataFolder = pathFromUtf8(args.dataFolder);
    options.font = {pathFromUtf8(args.fontPath), args.faceIndex};
    for (const auto& fallback : args.fallbacks) options.fallbacks.push_back({pathFromUtf8(fallback), 0});
    if (!args.fontGiven)
        useDefaultFonts(options.font, options.fallbacks, !args.fallbacks.empty(), "build",
                        "the characters only it has are listed as missing", false, err);
    options.characters.sets = args.sets;
    options.characters.ranges = args.ranges;
    if (!args.namesFile.empty()) options.characters.namesFile = pathFromUtf8(args.namesFile);
    if (!args.fontGiven && args.fallbacks.empty() && asksForNothing(options.characters))
        addMoreDefaultFonts(options.fallbacks, options.font, err);
    options.threads = args.threads;
    options.progressBar = progressBar;
    options.onlyMissing = args.onlyMissing;
    return options;
}

TextOptions textOptions(const TextArguments& args, bool fontGiven, std::ostream& err) {
    TextOptions options;
    FontSource font{pathFromUtf8(args.fontPath), args.faceIndex};
    std::vector<FontSource> fallbacks;
    for (const auto& fallback : args.fallbacks) fallbacks.push_back({pathFromUtf8(fallback), 0});
    // As in the plugin, the machine's other fonts draw what the chain lacks.
    if (!fontGiven) {
        useDefaultFonts(font, fallbacks, !args.fallbacks.empty(), "text",
                        "the system's other fonts draw the characters only it has", true, err);
    }
    options.fonts.push_back(font);
    options.fonts.insert(options.fonts.end(), fallbacks.begin(), fallbacks.end());
    options.size = args.size;
    options.names = args.names;
    if (!args.namesFile.empty()) options.namesFile = pathFromUtf8(args.namesFile);
    options.output = pathFromUtf8(args.output);
    return options;
}

CheckOptions checkOptions(const CheckArguments& args) {
    CheckOptions options;
    options.dataFolder = pathFromUtf8(args.dataFolder);
    options.names = args.names;
    if (!args.namesFile.empty()) options.namesFile = pathFromUtf8(args.namesFile);
    options.atLeastPercent = args.atLeast;
    return options;
}

// Runs a command that writes files: one line for whatever stops it, exit status 2 for
// refused input or output, 1 for any other failure.
template <class Work>
int reportingFailures(const char* command, std::ostream& err, Work work) {
    try {
        work();
        return kExitOk;
    } catch (const files::OutputRefused& e) {
        err << kProgram << " " << command << ": " << e.what() << "\n";
        return kExitUsage;
    } catch (const BadInput& e) {
        err << kProgram << " " << command << ": " << e.what() << "\n";
        return kExitUsage;
    } catch (const std::exception& e) {
        err << kProgram << " " << command << ": " << e.what() << "\n";
        return kExitFailed;
    }
}

}  // namespace

int runCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err, bool progressBar) {
    CLI::App app("Glyph images for the Veltrona scoreboard overlay.", kProgram);
    app.require_subcommand(1);
    BuildArguments buildArgs;
    CheckArguments checkArgs;
    TextArguments textArgs;
    auto* build = addBuild(app, buildArgs);
    addCheck(app, checkArgs);
    auto* text = addText(app, textArgs);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        int status = app.exit(e, out, err);
        return status == 0 ? kExitOk : kExitUsage;
    }

    if (app.got_subcommand("check")) {
        if (checkArgs.names.empty() && checkArgs.namesFile.empty()) {
            err << kProgram << " check: give names as arguments or in a file with --names\n";
            return kExitUsage;
        }
        try {
            return runCheck(checkOptions(checkArgs), out) == 0 ? kExitOk : kExitFailed;
        } catch (const std::exception& e) {
            err << kProgram << " check: " << e.what() << "\n";
            return kExitUsage;
        }
    }

    if (app.got_subcommand("text")) {
        if (textArgs.names.empty() && textArgs.namesFile.empty()) {
            err << kProgram << " text: give names as arguments or in a file with --names\n";
            return kExitUsage;
        }
        return reportingFailures(
            "text", err, [&] { runText(textOptions(textArgs, text->count("--font") > 0, err), out); });
    }

    buildArgs.fontGiven = build->count("--font") > 0;
    return reportingFailures("build", err, [&] {
        printBuildSummary(buildGlyphSet(buildOptions(buildArgs, progressBar, err), err), out);
    });
}
