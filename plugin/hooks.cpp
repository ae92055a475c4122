#include <algorithm>
#include <cctype>

#include "Veltrona.h"
#include "name_size.h"
#include "names.h"
#include "path_text.h"
#include "player_glyphs.h"
#include "printable.h"
#include "default_fonts.h"
#include "text_start.h"

namespace {
std::string lowercase(std::string word) {
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return word;
}

// Applies one word of the command to the choices; false for a word it does not know.
bool applyWord(const std::string& word, Settings& chosen, bool& namesWord) {
    auto folded = lowercase(word);
    if (folded == veltrona::kOptionScaled) {
        chosen.layout = layout::Choice::scaled;
    } else if (folded == veltrona::kOptionFixed) {
        chosen.layout = layout::Choice::fixed;
    } else if (folded == veltrona::kOptionText) {
        chosen.names = NamesChoice::text;
        namesWord = true;
    } else if (folded == veltrona::kOptionGlyphs) {
        chosen.names = NamesChoice::glyphs;
        namesWord = true;
    } else {
        return false;
    }
    return true;
}

const char* layoutName(layout::Choice choice) {
    return choice == layout::Choice::scaled ? veltrona::kOptionScaled : veltrona::kOptionFixed;
}

const char* namesName(NamesChoice choice) {
    return choice == NamesChoice::text ? veltrona::kLogNamesAsText : veltrona::kLogNamesFromGlyphs;
}
}  // namespace

void Veltrona::onLoad() {
    // Apart, so that a data folder the choices cannot be read from still gets the command.
    guarded(veltrona::kWhatReadChoices, [this] { readChoices(); });
    guarded(veltrona::kWhatLoad, [this] {
        Veltrona* self = this;
        cvarManager->registerNotifier(
            veltrona::kCommandName, [self](std::vector<std::string> words) { self->runCommand(words); },
            veltrona::kCommandDescription, veltrona::kCommandPermission);
        cvarManager->executeCommand(veltrona::kCommandName, true);
    });
}

void Veltrona::runCommand(const std::vector<std::string>& words) {
    guarded(veltrona::kWhatCommand, [&] {
        // A word that is not understood changes nothing, the activation included: the player
        // meant something else and should see so.
        auto chosen = choices();
        bool namesWord = false;
        for (std::size_t i = 1; i < words.size(); ++i) {
            if (applyWord(words[i], chosen, namesWord)) continue;
            std::string line = veltrona::kLogUnknownOptionBefore;
            line += escapeControls(words[i]);
            line += veltrona::kLogUnknownOptionAfter;
            cvarManager->log(line);
            return;
        }
        const bool choiceWords = words.size() > 1;
        if (choiceWords) choose(chosen);
        // Outside an online match there is nothing to draw over; the player runs the command
        // again once in one.
        if (!gameWrapper->IsInOnlineGame()) {
            if (!choiceWords) {
                cvarManager->log(veltrona::kLogNotOnline);
                return;
            }
            std::string line = veltrona::kLogPrefix;
            line += layoutName(chosen.layout);
            line += veltrona::kLogLayoutAfter;
            if (namesWord) line += namesName(chosen.names);
            line += veltrona::kLogKeptOffline;
            cvarManager->log(line);
            return;
        }
        switchOn();
    });
}

std::filesystem::path Veltrona::dataFolder() { return pathFromWide(gameWrapper->GetDataFolderW()); }

void Veltrona::readChoices() {
    const auto file = settingsFile(dataFolder());
    auto read = readSettings(file);
    if (read.state == SettingsState::damaged) {
        std::string line = veltrona::kLogSettingsNotUsed;
        line += escapeControls(read.problem);
        line += veltrona::kLogSettingsDefaults;
        cvarManager->log(line);
    }
    overlay_.layoutChoice = read.settings.layout;
    text_.chosen = read.settings.names == NamesChoice::text;
}

Settings Veltrona::choices() const {
    return {overlay_.layoutChoice, text_.chosen ? NamesChoice::text : NamesChoice::glyphs};
}

// The choices take effect at once; they are saved only when they change, so that a player
// who types the words they already have writes nothing.
void Veltrona::choose(const Settings& chosen) {
    const auto before = choices();
    overlay_.layoutChoice = chosen.layout;
    text_.chosen = chosen.names == NamesChoice::text;
    if (!textWanted(text_)) dropNameImages(text_, roster_.glyphs);
    if (chosen == before) return;
    guarded(veltrona::kWhatSaveChoices, [&] { writeSettings(settingsFile(dataFolder()), chosen); });
}

void Veltrona::startTextNames() {
    if (namesAsText(text_)) return;
    // A worker that found no font is idle: a new one reads the list again, which the
    // player may have mended.
    text_.worker.reset();
    text_.worker = startTextWorker(dataFolder());
    text_.fontsOutcomeTold = false;
    // Names the old worker could not set are the new one's to try.
    retryFailedNames(roster_.glyphs);
}

void Veltrona::requestTextNames() {
    if (!namesAsText(text_)) return;
    requestNames(text_, roster_.glyphs,
                 layout::nameSizeOn(gameWrapper->GetScreenSize(), overlay_.layoutChoice), true);
}

void Veltrona::reportFontLines() {
    const auto lines = text_.worker->takeFontLines();
    const auto shown = std::min(lines.size(), veltrona::kFontLinesShown);
    for (std::size_t i = 0; i < shown; ++i) cvarManager->log(veltrona::kLogPrefix + escapeControls(lines[i]));
    if (lines.size() > shown) {
        cvarManager->log(veltrona::kLogMoreFontLinesBefore + std::to_string(lines.size() - shown) +
                         veltrona::kLogMoreFontLinesAfter);
    }
    if (text_.fontsOutcomeTold) return;
    const auto state = text_.worker->fontsState();
    if (state == TextWorker::FontsState::opening || state == TextWorker::FontsState::ready) return;
    // Without glyph files there is nothing to fall back on, and no choice of text to keep.
    const bool glyphsLeft = text_.chosen;
    if (state == TextWorker::FontsState::noListedFont) {
        cvarManager->log(glyphsLeft ? veltrona::kLogNoListedFont : veltrona::kLogNoListedFontNoGlyphs);
    } else {
        cvarManager->log(veltrona::kLogNoSystemFontBefore + escapeControls(displayText(defaultFontChain().folder)) +
                         (glyphsLeft ? veltrona::kLogNoSystemFontAfter : veltrona::kLogNoSystemFontNoGlyphsAfter));
    }
    text_.fontsOutcomeTold = true;
}

void Veltrona::reportTextProblem() {
    // At the frame after it, not at the next team change, which a 1v1 may never have.
    auto problem = text_.worker->takeProblem();
    if (problem.empty()) return;
    if (std::find(textProblemsTold_.begin(), textProblemsTold_.end(), problem) != textProblemsTold_.end()) return;
    std::string line = veltrona::kLogNameNotSetBefore;
    line += escapeControls(problem);
    line += veltrona::kLogNameNotSetAfter;
    cvarManager->log(line);
    textProblemsTold_.push_back(std::move(problem));
}

void Veltrona::waitForTextWork() {
    if (text_.worker) text_.worker->waitUntilIdle();
}

// A data folder that cannot be named fails the glyph folder's line, which says so.
GlyphFolderState Veltrona::glyphSetState() noexcept {
    try {
        return inspectGlyphFolder(glyphFolder(dataFolder()));
    } catch (...) {
        return GlyphFolderState::ready;
    }
}

// A player who copied only the module, or whose glyph folder is misplaced, would see no name at
// all: names are set as text instead while fonts are at hand, and the choice stays unchanged.
void Veltrona::standInForGlyphs(GlyphFolderState glyphs) {
    const bool standIn = !text_.chosen && glyphs != GlyphFolderState::ready && fontsOnHand(dataFolder());
    const bool was = text_.standIn;
    text_.standIn = standIn;
    if (was && !textWanted(text_)) dropNameImages(text_, roster_.glyphs);
}

void Veltrona::switchOn() {
    hookGameEvents();
    const auto glyphs = glyphSetState();
    // Nothing in the player's font list may keep the switch and the glyph files from working.
    guarded(veltrona::kWhatStartText, [&] {
        standInForGlyphs(glyphs);
        if (textWanted(text_)) startTextNames();
    });
    std::string line = veltrona::kLogSwitchedOn;
    line += layoutName(overlay_.layoutChoice);
    line += veltrona::kLogLayoutAfter;
    // The choice, not the worker's progress with the fonts, which would make the line depend
    // on its pace: a worker that finds none says so at the next frame.
    if (text_.chosen) line += veltrona::kLogNamesAsText;
    cvarManager->log(line);
    reportGlyphFolder(glyphs);
    // Switched on mid-match, nobody may change team for a long while (never, in a 1v1):
    // take the players as they are now, as a team change would.
    rebuild();
}

void Veltrona::hookGameEvents() {
    if (hooked_) return;
    Veltrona* self = this;
    gameWrapper->HookEvent(veltrona::kEventOpenScoreboard,
                           [self](std::string name) { self->onOpenScoreboard(std::move(name)); });
    gameWrapper->HookEvent(veltrona::kEventCloseScoreboard,
                           [self](std::string name) { self->onCloseScoreboard(std::move(name)); });
    gameWrapper->HookEvent(veltrona::kEventTeamChanged,
                           [self](std::string name) { self->onTeamChanged(std::move(name)); });
    gameWrapper->HookEvent(veltrona::kEventMatchEnded,
                           [self](std::string name) { self->onMatchEnded(std::move(name)); });
    hooked_ = true;
}

void Veltrona::onUnload() {
    // First, and waited for: nothing of the plugin may run once the host has unloaded it.
    guarded(veltrona::kWhatUnload, [this] { text_.worker.reset(); });
    guarded(veltrona::kWhatUnload, [this] {
        for (auto event : veltrona::kHookedEvents) gameWrapper->UnhookEvent(std::string(event));
        hooked_ = false;
    });
    // Apart, so that it happens whatever the unhooking did: a drawable left behind would be
    // called on a destroyed plugin at the next frame.
    guarded(veltrona::kWhatUnload, [this] { gameWrapper->UnregisterDrawables(); });
}

void Veltrona::logFailure(std::string_view what, std::string_view why) noexcept {
    try {
        std::string line = veltrona::kLogPrefix;
        line += what;
        line += veltrona::kLogFailedAfter;
        line += escapeControls(why);
        cvarManager->log(line);
    } catch (...) {
        // Nothing is left to tell the player with; the handler still returns to the host.
    }
}
