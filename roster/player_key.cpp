#include "player_key.h"

std::string getPlayerKey(PriWrapper player) {
    auto uniqueId = player.GetUniqueIdWrapper();
    if (player.GetbBot() != 0) return player.GetOldName().ToString();
    // The name is read only for a bot: a stranger's name may be huge, and the rebuild has
    // already taken its own copy.
    return uniqueId.GetIdString();
}
