#include "player_key.h"

std::string getPlayerKey(PriWrapper player) {
    auto uniqueId = player.GetUniqueIdWrapper();
    auto displayName = player.GetOldName().ToString();
    auto bot = player.GetbBot();
    auto key = uniqueId.GetIdString();
    if (bot != 0) key = displayName;
    return key;
}
