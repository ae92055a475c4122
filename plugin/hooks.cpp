#include "Veltrona.h"
#include "names.h"

void Veltrona::onLoad() {
    Veltrona* self = this;
    cvarManager->registerNotifier(
        veltrona::kCommandName, [self](std::vector<std::string>) { self->hookGameEvents(); },
        veltrona::kCommandDescription, veltrona::kCommandPermission);
    cvarManager->executeCommand(veltrona::kCommandName, true);
}

// Outside an online match there is nothing to draw over; the player runs the command
// again once in one.
void Veltrona::hookGameEvents() {
    if (!gameWrapper->IsInOnlineGame()) return;
    Veltrona* self = this;
    gameWrapper->HookEvent(veltrona::kEventOpenScoreboard,
                           [self](std::string name) { self->onOpenScoreboard(std::move(name)); });
    gameWrapper->HookEvent(veltrona::kEventCloseScoreboard,
                           [self](std::string name) { self->onCloseScoreboard(std::move(name)); });
    gameWrapper->HookEvent(veltrona::kEventTeamChanged,
                           [self](std::string name) { self->onTeamChanged(std::move(name)); });
    gameWrapper->HookEvent(veltrona::kEventMatchEnded,
                           [self](std::string) { self->cvarManager->log(veltrona::kLogMatchEnd); });
}

void Veltrona::onUnload() {
    for (auto event : veltrona::kHookedEvents) gameWrapper->UnhookEvent(std::string(event));
    // A drawable left behind would be called on a destroyed plugin at the next frame.
    gameWrapper->UnregisterDrawables();
}
