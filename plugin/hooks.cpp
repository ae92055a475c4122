#include "Veltrona.h"
#include "names.h"

void Veltrona::onLoad() {
    Veltrona* self = this;
    cvarManager->registerNotifier(
        veltrona::kCommandName, [self](std::vector<std::string> words) { self->runCommand(words); },
        veltrona::kCommandDescription, veltrona::kCommandPermission);
    cvarManager->executeCommand(veltrona::kCommandName, true);
}

// The words are the command's own name, then what the player typed after it.
void Veltrona::runCommand(const std::vector<std::string>& words) {
    if (words.size() > 1) {
        const std::string& option = words[1];
        if (option == veltrona::kOptionScaled) {
            overlay_.layoutChoice = layout::Choice::scaled;
        } else if (option == veltrona::kOptionFixed) {
            overlay_.layoutChoice = layout::Choice::fixed;
        } else {
            std::string line = veltrona::kLogUnknownOptionBefore;
            line += option;
            line += veltrona::kLogUnknownOptionAfter;
            cvarManager->log(line);
        }
    }
    hookGameEvents();
}

// Outside an online match there is nothing to draw over; the player runs the command
// again once in one.
void Veltrona::hookGameEvents() {
    if (!gameWrapper->IsInOnlineGame()) {
        cvarManager->log(veltrona::kLogNotOnline);
        return;
    }
    Veltrona* self = this;
    gameWrapper->HookEvent(veltrona::kEventOpenScoreboard,
                           [self](std::string name) { self->onOpenScoreboard(std::move(name)); });
    gameWrapper->HookEvent(veltrona::kEventCloseScoreboard,
                           [self](std::string name) { self->onCloseScoreboard(std::move(name)); });
    gameWrapper->HookEvent(veltrona::kEventTeamChanged,
                           [self](std::string name) { self->onTeamChanged(std::move(name)); });
    gameWrapper->HookEvent(veltrona::kEventMatchEnded,
                           [self](std::string) { self->cvarManager->log(veltrona::kLogMatchEnd); });
    cvarManager->log(veltrona::kLogSwitchedOn);
    // Switched on mid-match, nobody may change team for a long while (never, in a 1v1):
    // take the players as they are now, as a team change would.
    onTeamChanged({});
}

void Veltrona::onUnload() {
    for (auto event : veltrona::kHookedEvents) gameWrapper->UnhookEvent(std::string(event));
    // A drawable left behind would be called on a destroyed plugin at the next frame.
    gameWrapper->UnregisterDrawables();
}
