#include <algorithm>
#include <cctype>
#include <optional>

#include "Veltrona.h"
#include "names.h"
#include "printable.h"

namespace {
std::string lowercase(std::string word) {
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return word;
}

std::optional<layout::Choice> layoutWord(const std::string& word) {
    auto folded = lowercase(word);
    if (folded == veltrona::kOptionScaled) return layout::Choice::scaled;
    if (folded == veltrona::kOptionFixed) return layout::Choice::fixed;
    return std::nullopt;
}

const char* layoutName(layout::Choice choice) {
    return choice == layout::Choice::scaled ? veltrona::kOptionScaled : veltrona::kOptionFixed;
}
}  // namespace

void Veltrona::onLoad() {
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
        std::optional<layout::Choice> choice;
        if (words.size() > 1) {
            choice = layoutWord(words[1]);
            if (!choice) {
                std::string line = veltrona::kLogUnknownOptionBefore;
                line += escapeControls(words[1]);
                line += veltrona::kLogUnknownOptionAfter;
                cvarManager->log(line);
                return;
            }
            overlay_.layoutChoice = *choice;
        }
        // Outside an online match there is nothing to draw over; the player runs the command
        // again once in one.
        if (!gameWrapper->IsInOnlineGame()) {
            if (!choice) {
                cvarManager->log(veltrona::kLogNotOnline);
                return;
            }
            std::string line = veltrona::kLogPrefix;
            line += layoutName(*choice);
            line += veltrona::kLogKeptOffline;
            cvarManager->log(line);
            return;
        }
        switchOn();
    });
}

void Veltrona::switchOn() {
    hookGameEvents();
    std::string line = veltrona::kLogSwitchedOn;
    line += layoutName(overlay_.layoutChoice);
    line += veltrona::kLogLayoutAfter;
    cvarManager->log(line);
    reportGlyphFolder();
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
