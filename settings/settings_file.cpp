#include "settings_file.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <vector>

#include "data_folder.h"
#include "output_file.h"
#include "path_text.h"
#include "player_text.h"
#include "printable.h"

namespace {

namespace fs = std::filesystem;

constexpr char kFileName[] = "settings.txt";
// Far more than the file ever needs; a larger file is not ours, and is not read whole.
constexpr std::size_t kMaxBytes = 4096;
constexpr char kAssign = '=';
constexpr char kHeader[] =
    "# Veltrona's choices; typing \"Veltrona fixed\", \"Veltrona scaled\", \"Veltrona text\" or "
    "\"Veltrona glyphs\" in the console changes them.\n";

template <typename Choice>
struct Word {
    std::string_view text;
    Choice choice;
};

constexpr Word<layout::Choice> kLayoutWords[] = {{"scaled", layout::Choice::scaled},
                                                 {"fixed", layout::Choice::fixed}};
constexpr Word<NamesChoice> kNamesWords[] = {{"glyphs", NamesChoice::glyphs}, {"text", NamesChoice::text}};

constexpr std::string_view kLayoutKey = "layout";
constexpr std::string_view kNamesKey = "names";

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return lower(x) == lower(y); });
}

template <typename Choice>
std::optional<Choice> choiceFor(std::span<const Word<Choice>> words, std::string_view text) {
    for (const auto& word : words) {
        if (sameIgnoringCase(word.text, text)) return word.choice;
    }
    return std::nullopt;
}

template <typename Choice>
std::string_view wordFor(std::span<const Word<Choice>> words, Choice choice) {
    for (const auto& word : words) {
        if (word.choice == choice) return word.text;
    }
    return words.front().text;
}

bool setLayout(std::string_view value, Settings& settings) {
    const auto choice = choiceFor<layout::Choice>(kLayoutWords, value);
    if (choice) settings.layout = *choice;
    return choice.has_value();
}

bool setNames(std::string_view value, Settings& settings) {
    const auto choice = choiceFor<NamesChoice>(kNamesWords, value);
    if (choice) settings.names = *choice;
    return choice.has_value();
}

struct Key {
    std::string_view name;
    bool (*set)(std::string_view value, Settings& settings);
};

constexpr Key kKeys[] = {{kLayoutKey, setLayout}, {kNamesKey, setNames}};

// The player's own text, shown in a console message: quoted, with controls escaped.
std::string quotedText(std::string_view text) { return '"' + escapeControls(text) + '"'; }

std::string onLine(std::size_t number, const std::string& what) {
    return "line " + std::to_string(number) + ": " + what;
}

// Empty when the whole text was understood.
std::string parse(std::string_view text, Settings& settings) {
    std::array<bool, std::size(kKeys)> seen{};
    PlayerLines lines(text);
    std::string_view line;
    while (lines.next(line)) {
        const auto number = lines.number();
        const auto assign = line.find(kAssign);
        if (assign == std::string_view::npos) return onLine(number, "no \"=\" in " + quotedText(line));
        const auto keyText = trimmed(line.substr(0, assign));
        const auto value = trimmed(line.substr(assign + 1));
        const auto key =
            std::ranges::find_if(kKeys, [&](const Key& k) { return sameIgnoringCase(k.name, keyText); });
        if (key == std::end(kKeys)) return onLine(number, "unknown key " + quotedText(keyText));
        const auto index = static_cast<std::size_t>(key - std::begin(kKeys));
        const std::string name(key->name);
        if (seen[index]) return onLine(number, name + " given twice");
        seen[index] = true;
        if (!key->set(value, settings))
            return onLine(number, "unknown value " + quotedText(value) + " for " + name);
    }
    return {};
}

SettingsRead damaged(std::string problem) { return {{}, SettingsState::damaged, std::move(problem)}; }

std::string settingsText(const Settings& settings) {
    std::string text = kHeader;
    text += kLayoutKey;
    text += kAssign;
    text += wordFor<layout::Choice>(kLayoutWords, settings.layout);
    text += '\n';
    text += kNamesKey;
    text += kAssign;
    text += wordFor<NamesChoice>(kNamesWords, settings.names);
    text += '\n';
    return text;
}

}  // namespace

fs::path settingsFile(const fs::path& dataFolder) { return ownFolder(dataFolder) / kFileName; }

SettingsRead readSettings(const fs::path& file) {
    std::error_code error;
    if (fs::status(file, error).type() == fs::file_type::not_found) return {};
    const auto read = readPlayerText(file, kMaxBytes);
    if (!read.problem.empty()) return damaged(read.problem);
    SettingsRead settings{{}, SettingsState::read, {}};
    settings.problem = parse(read.text, settings.settings);
    if (!settings.problem.empty()) return damaged(std::move(settings.problem));
    return settings;
}

void writeSettings(const fs::path& file, const Settings& settings) {
    if (file.has_parent_path()) {
        std::error_code error;
        fs::create_directories(file.parent_path(), error);
        if (error) throw std::runtime_error("cannot write " + quoted(file) + ": " + error.message());
    }
    const auto text = settingsText(settings);
    files::replaceFile(file, std::vector<unsigned char>(text.begin(), text.end()));
}
